#pragma once

// One editing session over the profiles of the working folder: what the
// window shows and what quavel-cli changes. It holds the state (EditorState)
// and runs every profile command on it, asking its questions through Dialogs
// and showing its changes through a SessionView. It knows no toolkit: the
// window binds its controls to it, and the tests drive it with scripted
// dialogs.

#include "session/EditorState.h"
#include "session/InstallChoices.h"
#include "session/ProfileCommands.h"
#include "session/ProfileEdits.h"
#include "session/ProfileLoader.h"
#include "session/Publisher.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Dialogs;
class SessionView;

enum class PublishScope { Installs, WorkingFolderOnly };

class EditingSession {
public:
    EditingSession(Dialogs& dialogs, SessionView& view);

    // Finds the installs and the publish targets (only the working folder
    // for WorkingFolderOnly), checks that the working folder can be written
    // and loads the first profile. A check that fails leaves failed() true
    // after telling the user.
    // profileToOpen, when the folder has it, is shown first instead of the
    // first CustomCombat profile.
    void Start(
        const InstallSearch& search, PublishScope scope, const std::string& profileToOpen = {});
    bool failed() const { return state_.fatalError; }

    // Every install found, for the user to choose from.
    const InstallsFound& installs() const { return installs_.found(); }
    const PublishTargets& publishTargets() const { return state_.publishTargets; }
    // The choices of the "Publish To" menu: each is remembered in the settings
    // file and shown in the publish targets at once.
    void ChooseInstallFolder(Product product, const std::filesystem::path& folder);
    // Asks for the folder first; nothing changes when the dialog is cancelled.
    void AskInstallFolder(Product product);
    void ForgetChosenFolders();

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
    std::vector<TransportResult> PublishTo(
        const std::vector<PublishDestination>& destinations, Backup backup)
    {
        return publisher_.PublishTo(destinations, backup);
    }
    // The named servers of the settings file, changed and shown in the
    // publish targets at once; a change refused is told to the user.
    void AddServer(const ServerEntry& server);
    void RemoveServer(const std::string& name);
    void ChooseServer(const std::string& name, ServerUse use);
    // Imports the CustomCombat.wst of source as the new profile name and
    // shows it; false after telling the user why nothing was created.
    bool Import(const PublishDestination& source, const std::string& name);
    // NAME.wst as a copy of Default.wst; the reason it was refused, or none.
    std::optional<ProfileRefusal> CreateProfile(const std::string& name);
    // The working folder's lock, held until the session ends, so that a
    // whole read-modify-write takes its turn (saves take it otherwise); 0,
    // or the errno after telling the user.
    int LockFolder();
    // Follows changes that other programs made in the working folder.
    void RefreshFromDisk();
    // Tells, once each, the files that an interrupted save had left
    // half-written and that were restored since (by a load, list or save).
    void TellRestoredFiles();
    // The current profile's file; empty before start-up.
    std::filesystem::path CurrentFile() const;
    // The window is asked to close: false keeps it open, when the user
    // cancels the question about unsaved edits.
    bool Close();

    // The window's Ctrl+Z and Ctrl+Shift+Z: false when there is nothing to
    // undo or redo.
    bool Undo() { return edits_.Undo(); }
    bool Redo() { return edits_.Redo(); }

    ProfileEdits& edits() { return edits_; }
    const EditorState& state() const { return state_; }
    const Profile& profile() const { return *state_.currentProfile; }

private:
    // Tells the user why the settings were not saved, then shows the targets found.
    void OfferInstalls(const std::optional<std::string>& problem);

    EditorState state_;
    PublishScope scope_ = PublishScope::Installs;
    InstallChoices installs_{{}};
    Dialogs& dialogs_;
    ProfileLoader loader_;
    ProfileCommands commands_;
    Publisher publisher_;
    ProfileEdits edits_;
};
