#pragma once

// The "Substitute Vehicles" group: one drop-down per game vehicle naming the
// vehicle that stands in for it, a map filter that only colours the rows of
// the vehicles found on the chosen map, and a "Default" button that undoes
// every substitution. Rows are addressed by panel row (control id - 1023),
// which is not the catalog order; GameCatalog maps between the two.

#include "catalog/GameCatalog.h"
#include "profile/Profile.h"

#include <array>

class EditingSession;
class QComboBox;
class StyledComboBox;
class WindowControls;

class VehiclePanel {
public:
    explicit VehiclePanel(const WindowControls& controls);

    // The map filter lists every map, "All Maps" selected, and colours the rows.
    void FillMapFilter();
    // Every vehicle drop-down lists the 26 vehicles in catalog order, all from
    // one shared list; nothing is selected. Called once.
    void FillVehicleLists();
    // White rows for the vehicles of the selected map, grey for the others;
    // selections and the modified flag are left alone.
    void ApplyMapFilter();
    // An alternative of -1 leaves its drop-down with no selection.
    void ShowVehicles(const Profile& profile);

    // The user picked the substitute in the drop-down of this panel row.
    void SubstituteChosen(EditingSession& session, int panelRow);
    // "Default": every vehicle stands for itself again; the rest of the
    // window is left as the user has it.
    void ResetClicked(EditingSession& session);

private:
    StyledComboBox& DropDownOf(int vehicleIndex) const;

    QComboBox& mapFilter_;
    std::array<StyledComboBox*, GameCatalog::kVehicleCount> rows_;  // by panel row
};
