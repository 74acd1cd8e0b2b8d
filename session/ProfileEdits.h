#pragma once

// The user's edits of the current profile as the window's controls report
// them, each one step of the profile's history (see EditHistory): the profile
// is modified unless the step leads back to the state last loaded or saved.
// An edit that changes nothing is no step and leaves the profile as it was.
// Weapon slots, kits and substitutes are taken as given; a team choice is
// checked against the other side's.

#include "session/Side.h"

#include <functional>
#include <optional>

class Dialogs;
class EditorState;

class ProfileEdits {
public:
    ProfileEdits(EditorState& state, Dialogs& dialogs);

    // The team that side plays afterwards: the chosen one, or, when the other
    // side plays it already, the first team the other side does not play.
    int ChooseTeam(Side side, int team);
    void SetKit(Side side, int kitSlot, bool allowed);
    // A class box click: both kits of the class allowed or not; none keeps
    // them as they are (the box only says the class is partly allowed).
    void SetClassKits(Side side, int kitClass, std::optional<bool> allowed);
    void SetWeapon(Side side, int weaponSlot, bool allowed);
    void ChooseSubstitute(int vehicle, int substitute);
    // Every vehicle stands for itself again.
    void ResetSubstitutes();
    // Any other change, as quavel-cli's assignments make them.
    void Apply(const std::function<void(Profile&)>& change);

    // The state before the last edit, or after the last one undone, shown
    // whole; false when there is none.
    bool Undo();
    bool Redo();

private:
    // Shows the present state of the history and whether it is modified.
    void ShowPresent(const std::optional<Profile>& present);

    EditorState& state_;
    Dialogs& dialogs_;
};
