#pragma once

// The "Teams" group: for each side a heading, a team drop-down and four class
// rows, each a three-state class box summing up the boxes of the class's two
// kits. It shows the teams and kits of the current profile and hands the
// user's clicks to the session.

#include "catalog/GameCatalog.h"
#include "session/Side.h"

#include <array>
#include <cstddef>

class EditingSession;
class StyledButton;
class StyledComboBox;
class StyledLabel;
class WindowControls;
struct Profile;

class TeamKitPanel {
public:
    explicit TeamKitPanel(const WindowControls& controls);

    // Side colours and fonts of the headings, team drop-downs and class boxes.
    void ApplyAppearance();
    // Both team drop-downs list the six teams (blue first); nothing is selected.
    void FillTeamLists();

    void ShowTeams(const Profile& profile);
    // Sets the kit boxes from the flags and recomputes every class box.
    void ShowKits(const Profile& profile);

    // The user picked a team; the session may put another one in its place.
    void TeamChosen(EditingSession& session, Side side);
    // A click on a class box has advanced it; its kit boxes follow its new state.
    void ClassBoxClicked(EditingSession& session, Side side, int row);
    // A click on a kit box; the class box shows both, one or neither kit on.
    void KitBoxClicked(EditingSession& session, Side side, int row);

private:
    struct ClassRow {
        StyledButton* classBox;
        StyledButton* primaryKit;
        StyledButton* secondaryKit;
    };
    struct SideControls {
        StyledLabel* heading;
        StyledComboBox* team;
        std::array<ClassRow, GameCatalog::kitClasses.size()> classRows;
    };

    static SideControls FindSideControls(const WindowControls& controls, Side side);
    const SideControls& ControlsOf(Side side) const { return sides_[SideIndex(side)]; }
    const ClassRow& RowOf(Side side, int row) const;
    void UpdateClassBox(Side side, int row) const;

    std::array<SideControls, 2> sides_;
};
