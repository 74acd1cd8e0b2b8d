#pragma once

// What the editing session tells whoever shows it. The window's panels and
// list implement it; quavel-cli shows nothing and passes a SilentView. Every
// call reports a change the program made, never one the user made in a control.

#include <string>
#include <vector>

class PublishTargets;
struct Profile;

class SessionView {
public:
    virtual ~SessionView() = default;

    // A profile has been loaded: show it whole.
    virtual void ShowProfile(const Profile& profile) = 0;
    // "Default" followed by the profile names; nothing selected.
    virtual void ShowProfileEntries(const std::vector<std::string>& entries) = 0;
    // -1 selects nothing.
    virtual void ShowSelectedEntry(int entry) = 0;
    virtual void ShowSaveAndRevert(bool enabled) = 0;
    virtual void ShowPublishTargets(const PublishTargets& targets) = 0;
};

class SilentView : public SessionView {
public:
    void ShowProfile(const Profile&) override { }
    void ShowProfileEntries(const std::vector<std::string>&) override { }
    void ShowSelectedEntry(int) override { }
    void ShowSaveAndRevert(bool) override { }
    void ShowPublishTargets(const PublishTargets&) override { }
};
