// The editor's window rebuilt from plain Qt controls: the same kinds, captions
// and rectangles from the control table, in a dialog of the same size, with
// the vehicle names in the drop-downs, but none of the editor's own work (no
// style, colours, names for screen readers, profile or installs). What any Qt
// Widgets window of this size and number of controls costs, the floor under
// the editor's start-up.

#include "app/DialogUnits.h"
#include "bench/FirstPaintProbe.h"
#include "catalog/GameCatalog.h"
#include "panels/ControlTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

#include <chrono>

namespace {

QWidget* PlainControl(const ControlSpec& entry, QDialog& dialog, QStringListModel& vehicleNames)
{
    const QString caption = QString::fromUtf8(entry.caption.data(), entry.caption.size());
    switch (entry.kind) {
    case ControlKind::GroupBox:
        return new QGroupBox(caption, &dialog);
    case ControlKind::ListBox:
        return new QListWidget(&dialog);
    case ControlKind::PushButton:
        return new QPushButton(caption, &dialog);
    case ControlKind::RadioButton:
        return new QRadioButton(caption, &dialog);
    case ControlKind::Label:
    case ControlKind::RowLabel:
    case ControlKind::TeamHeading:
        return new QLabel(caption, &dialog);
    case ControlKind::DropDown:
    case ControlKind::StyledDropDown: {
        auto* dropDown = new QComboBox(&dialog);
        dropDown->setModel(&vehicleNames);
        return dropDown;
    }
    case ControlKind::ClassBox:
    case ControlKind::KitBox:
    case ControlKind::WeaponBox:
        return new QCheckBox(caption, &dialog);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto mainStarted = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    const FirstPaintProbe probe(mainStarted);
    QDialog dialog;
    QStringList names;
    for (const GameCatalog::VehicleEntry& vehicle : GameCatalog::vehicles)
        names << QString::fromUtf8(vehicle.displayName);
    QStringListModel vehicleNames(names);
    for (const ControlSpec& entry : controlTable) {
        QWidget* control = PlainControl(entry, dialog, vehicleNames);
        QRect rect = entry.dialogRect;
        if (qobject_cast<QComboBox*>(control) != nullptr)
            rect.setHeight(14);  // the table gives an opened list's height
        control->setGeometry(DialogUnitsToPixels(rect, dialog.font()));
    }
    dialog.setFixedSize(
        DialogUnitsToPixels(QRect(QPoint(), kClientSizeInDialogUnits), dialog.font()).size());
    return dialog.exec() == QDialog::Rejected ? 0 : 1;
}
