#include "editor/EditorState.h"

#include "editor/ControlIds.h"
#include "editor/WindowControls.h"

#include <QListWidget>
#include <QPushButton>

EditorState::EditorState(const WindowControls& controls)
    : profileList_(controls.Get<QListWidget>(ControlId::ProfileList))
    , saveButton_(controls.Get<QAbstractButton>(ControlId::SaveButton))
    , revertButton_(controls.Get<QAbstractButton>(ControlId::RevertButton))
{
}

void EditorState::SetModified(bool flag)
{
    modified = flag;
    if (SelectedProfileIndex() >= 1)
        EnableSaveAndRevert(flag);
}

void EditorState::EnableSaveAndRevert(bool enabled)
{
    saveButton_.setEnabled(enabled);
    revertButton_.setEnabled(enabled);
}

int EditorState::SelectedProfileIndex() const
{
    const QList<QListWidgetItem*> selected = profileList_.selectedItems();
    return selected.isEmpty() ? -1 : profileList_.row(selected.first());
}
