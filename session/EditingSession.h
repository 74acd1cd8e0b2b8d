#pragma once

// One editing session over the profiles of the working folder: what the
// window shows and what quavel-cli changes. It holds the state (EditorState)
// and runs every profile command on it, asking its questions through Dialogs
// and showing its changes through a SessionView. It knows no toolkit: the
// window binds its controls to it, and the tests drive it with scripted
// dialogs.

#include "installs/WinePrefix.h"
#include "session/EditorState.h"
#include "session/ProfileCommands.h"
#include "session/ProfileEdits.h"
#include "session/ProfileLoader.h"
#include "session/Publisher.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class Dialogs;
class SessionView;

enum class PublishScope { Installs, WorkingFolderOnly };

class EditingSession {
public:
    EditingSession(Dialogs& dialogs, SessionView& view);

    // Finds the publish targets, checks that the working folder can be
    // written and loads the first profile. A check that fails leaves
    // failed() true after telling the user.
    void Start(const WinePrefix& prefix, PublishScope scope);
    bool failed() const { return state_.fatalError; }

    // NAME.wst, or the built-in profile for "Default", as the current
    // profile; false after telling the user why not.
    bool Open(const std::string& name);

    // The profile commands of the window.
    void SwitchTo(int picked) { commands_.SwitchTo(picked); }
    void New() { commands_.New(); }
    bool Save() { return commands_.Save(); }
    void Revert() { commands_.Revert(); }
    void SaveAs() { commands_.SaveAs(); }
    void Publish(std::optional<PublishTarget> target) { publisher_.Publish(target); }
    int PublishTo(const PublishDestination& destination) { return publisher_.PublishTo(destination); }
    // NAME.wst as a copy of Default.wst; the reason it was refused, or none.
    std::optional<std::string_view> CreateProfile(const std::string& name);
    // The working folder's lock, held until the session ends, so that a
    // whole read-modify-write takes its turn (saves take it otherwise); 0,
    // or the errno after telling the user.
    int LockFolder();
    // Follows changes that other programs made in the working folder.
    void RefreshFromDisk() { commands_.RefreshFromDisk(); }
    // The current profile's file; empty before start-up.
    std::filesystem::path CurrentFile() const;
    // The window is asked to close: false keeps it open, when the user
    // cancels the question about unsaved edits.
    bool Close();

    ProfileEdits& edits() { return edits_; }
    const EditorState& state() const { return state_; }
    const Profile& profile() const { return *state_.currentProfile; }

private:
    EditorState state_;
    Dialogs& dialogs_;
    ProfileLoader loader_;
    ProfileCommands commands_;
    Publisher publisher_;
    ProfileEdits edits_;
};
