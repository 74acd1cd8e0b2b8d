#include "session/EditorState.h"

#include "session/SessionView.h"

EditorState::EditorState(SessionView& sessionView)
    : view(sessionView)
    , profileList(sessionView)
{
}

void EditorState::SetModified(bool flag)
{
    modified = flag;
    if (profileList.selected() >= 1)
        EnableSaveAndRevert(flag);
}

void EditorState::EnableSaveAndRevert(bool enabled)
{
    saveAndRevertEnabled_ = enabled;
    view.ShowSaveAndRevert(enabled);
}

int EditorState::LockFolder()
{
    folderLock = std::make_unique<FolderLock>(".");
    const int error = folderLock->error();
    if (error != 0)
        folderLock.reset();
    return error;
}
