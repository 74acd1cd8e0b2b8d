#include "editor/ProfileListBox.h"

#include "editor/ControlIds.h"
#include "editor/WindowControls.h"
#include "profile/Profile.h"

#include <QFile>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

// The entry's own copy of its file name; the text is only how it looks.
constexpr int kNameRole = Qt::UserRole;

QByteArray Bytes(const std::string& name)
{
    return QByteArray::fromStdString(name);
}

}  // namespace

ProfileListBox::ProfileListBox(const WindowControls& controls)
    : list_(controls.Get<QListWidget>(ControlId::ProfileList))
{
}

void ProfileListBox::Fill(const std::vector<std::string>& names)
{
    {
        const QSignalBlocker blocker(list_);
        list_.clear();
    }
    Append(kDefaultProfileName);
    for (const std::string& name : names)
        Append(name);
}

void ProfileListBox::Append(const std::string& name)
{
    const QSignalBlocker blocker(list_);
    auto* entry = new QListWidgetItem(QFile::decodeName(Bytes(name)));
    entry->setData(kNameRole, Bytes(name));
    list_.addItem(entry);
}

void ProfileListBox::Select(int row)
{
    const QSignalBlocker blocker(list_);
    list_.setCurrentRow(row);
    if (row < 0)
        list_.clearSelection();
}

int ProfileListBox::Count() const
{
    return list_.count();
}

std::string ProfileListBox::NameAt(int row) const
{
    return list_.item(row)->data(kNameRole).toByteArray().toStdString();
}

int ProfileListBox::FindStartingWith(const std::string& prefix) const
{
    const QString start = QFile::decodeName(Bytes(prefix));
    for (int i = 1; i <= Count(); ++i) {
        const int row = i % Count();  // entry 0 comes last
        if (list_.item(row)->text().startsWith(start, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

int ProfileListBox::Find(const std::string& name) const
{
    for (int row = 0; row < Count(); ++row) {
        if (NameAt(row) == name)
            return row;
    }
    return -1;
}
