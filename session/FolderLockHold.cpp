#include "session/FolderLockHold.h"

#include "session/EditorState.h"

FolderLockHold::FolderLockHold(EditorState& state)
    : state_(state)
{
    if (state_.folderLock)
        return;
    error_ = state_.LockFolder();
    taken_ = error_ == 0;
}

FolderLockHold::~FolderLockHold()
{
    if (taken_)
        state_.folderLock.reset();
}
