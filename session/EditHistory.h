#pragma once

// The undo history of the current profile: every state it has had since it
// was loaded, as whole records, and the one the window shows now. An edit
// that changes nothing is no step; a new edit after undoing drops the steps
// that could have been redone. It also knows which state is the one last
// loaded or saved, so that undoing back to it makes the profile unmodified
// again. A record is a few dozen bytes, so the history keeps every step of a
// run.

#include "profile/Profile.h"

#include <cstddef>
#include <optional>
#include <vector>

class EditHistory {
public:
    // A fresh history whose one state, just loaded, is also the saved one.
    void Start(const Profile& loaded);
    // The state after an edit becomes the present one; false, and nothing
    // recorded, when it equals the present one.
    bool Record(const Profile& edited);
    // The state before or after the present one, which becomes the present
    // one; none at either end.
    std::optional<Profile> Undo();
    std::optional<Profile> Redo();
    // The present state is what the profile's file holds now.
    void MarkSaved();
    bool AtSavedState() const { return saved_ == present_; }
    std::size_t StepCount() const { return states_.empty() ? 0 : states_.size() - 1; }

private:
    std::vector<Profile> states_;
    std::size_t present_ = 0;
    // None once the saved state has been dropped by an edit after undoing.
    std::optional<std::size_t> saved_ = 0;
};
