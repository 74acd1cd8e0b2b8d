#include "panels/ProfileListBox.h"

#include "panels/ControlIds.h"
#include "panels/WindowControls.h"

#include <QFile>
#include <QSignalBlocker>

ProfileListBox::ProfileListBox(const WindowControls& controls)
    : list_(controls.Get<ControlId::ProfileList>())
{
}

void ProfileListBox::ShowEntries(const std::vector<std::string>& entries)
{
    const QSignalBlocker blocker(list_);
    list_.clear();
    for (const std::string& name : entries)
        list_.addItem(QFile::decodeName(QByteArray::fromStdString(name)));
}

void ProfileListBox::Select(int row)
{
    const QSignalBlocker blocker(list_);
    list_.setCurrentRow(row);
    if (row < 0)
        list_.clearSelection();
}

int ProfileListBox::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = list_.selectedItems();
    return selected.isEmpty() ? -1 : list_.row(selected.first());
}
