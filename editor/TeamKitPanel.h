#pragma once

// The "Teams" group: for each side a heading, a team drop-down and four class
// rows, each a three-state class box summing up the boxes of the class's two
// kits. The controls are the working copy of the teams and kits of the current
// profile between a refresh (Show...) and the next collect (Collect...).

#include "catalog/GameCatalog.h"
#include "editor/Side.h"

#include <array>
#include <cstddef>

class Dialogs;
class EditorState;
class StyledButton;
class StyledComboBox;
class StyledLabel;
class WindowControls;

class TeamKitPanel {
public:
    TeamKitPanel(const WindowControls& controls, EditorState& state, Dialogs& dialogs);

    // Side colours and fonts of the headings, team drop-downs and class boxes.
    void ApplyAppearance();
    // Both team drop-downs list the six teams (blue first); nothing is selected.
    void FillTeamLists();

    void ShowTeams(const Profile& profile);
    // Sets the kit boxes from the flags and recomputes every class box, which
    // marks the profile modified like a user's kit click does.
    void ShowKits(const Profile& profile);
    // -1 for a drop-down with nothing selected.
    void CollectTeams(Profile& profile) const;
    void CollectKits(Profile& profile) const;

    // A click on a class box has advanced it; its kit boxes follow its new state.
    void ApplyClassBox(Side side, int row);
    // A click on a kit box; the class box shows both, one or neither kit on.
    void UpdateClassBox(Side side, int row);
    // The user picked a team; the two sides may not play the same team.
    void TeamChanged(Side side);

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

    std::array<SideControls, 2> sides_;
    EditorState& state_;
    Dialogs& dialogs_;
};
