#include "panels/VehiclePanel.h"

#include "panels/ControlIds.h"
#include "panels/WindowControls.h"
#include "session/EditingSession.h"

#include <QStringListModel>

namespace {

std::array<StyledComboBox*, GameCatalog::kVehicleCount> FindRows(const WindowControls& controls)
{
    std::array<StyledComboBox*, GameCatalog::kVehicleCount> rows{};
    for (int row = 0; row < GameCatalog::kVehicleCount; ++row) {
        rows[static_cast<std::size_t>(row)]
            = &controls.Get<ControlKind::StyledDropDown>(ControlId::VehicleOfPanelRow(row));
    }
    return rows;
}

}  // namespace

VehiclePanel::VehiclePanel(const WindowControls& controls)
    : mapFilter_(controls.Get<ControlId::MapFilter>())
    , rows_(FindRows(controls))
{
}

StyledComboBox& VehiclePanel::DropDownOf(int vehicleIndex) const
{
    return *rows_[static_cast<std::size_t>(GameCatalog::PanelRowOfVehicle(vehicleIndex))];
}

void VehiclePanel::FillMapFilter()
{
    mapFilter_.clear();
    for (const GameCatalog::MapEntry& map : GameCatalog::maps)
        mapFilter_.addItem(QString::fromUtf8(map.name));
    mapFilter_.setCurrentIndex(0);
    ApplyMapFilter();
}

// One list of names serves all the drop-downs, which only differ in their
// selections and colours: 26 copies would slow down the window's start.
void VehiclePanel::FillVehicleLists()
{
    QStringList names;
    for (const GameCatalog::VehicleEntry& vehicle : GameCatalog::vehicles)
        names << QString::fromUtf8(vehicle.displayName);
    auto* shared = new QStringListModel(names, rows_.front()->parentWidget());
    for (StyledComboBox* row : rows_) {
        row->setModel(shared);
        row->setCurrentIndex(-1);
    }
}

void VehiclePanel::ApplyMapFilter()
{
    const int selected = mapFilter_.currentIndex();
    if (selected < 0)
        return;
    const GameCatalog::MapEntry& map = GameCatalog::maps[static_cast<std::size_t>(selected)];
    for (int row = 0; row < GameCatalog::kVehicleCount; ++row) {
        const bool onMap = GameCatalog::IsMapRowAvailable(map, row);
        rows_[static_cast<std::size_t>(row)]->SetBackgroundColor(
            onMap ? QColor(255, 255, 255) : QColor(128, 128, 128));
    }
}

void VehiclePanel::ShowVehicles(const Profile& profile)
{
    for (int vehicle = 0; vehicle < GameCatalog::kVehicleCount; ++vehicle) {
        DropDownOf(vehicle).setCurrentIndex(
            profile.vehicles[static_cast<std::size_t>(vehicle)].alternative);
    }
}

void VehiclePanel::SubstituteChosen(EditingSession& session, int panelRow)
{
    const int vehicle = GameCatalog::vehicleOfPanelRow[static_cast<std::size_t>(panelRow)];
    session.edits().ChooseSubstitute(vehicle, DropDownOf(vehicle).currentIndex());
}

void VehiclePanel::ResetClicked(EditingSession& session)
{
    session.edits().ResetSubstitutes();
    ShowVehicles(session.profile());
}
