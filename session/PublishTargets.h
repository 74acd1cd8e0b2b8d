#pragma once

// Where each publish target writes, or why it cannot: settled from the
// installs in use when the session starts and again after each choice of
// folder. The working folder is read afresh at every publish, at any length.

#include "session/Messages.h"
#include "session/PublishTarget.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class Dialogs;
class ProfileStore;
struct Profile;

// A destination is known by its text: the journal records it, and a remote
// one will have a URL there and no host path.
struct PublishDestination {
    // Empty when the working folder cannot be read.
    std::filesystem::path path;
    std::string text;   // as messages show it
    std::string place;  // as questions name the folder: "the server's folder"
};

// CustomCombat.wst in the working folder as it is now.
PublishDestination WorkingFolderDestination();

// CustomCombat.wst of the install in use; its settings folder is created with
// every missing parent when asked, and a creation that fails for a reason the
// user is told about gets a message.
PublishDestination PrepareInstallDestination(const InstallKind& kind, const FoundInstall& install,
    FolderCreation creation, Dialogs& dialogs);

enum class Backup { None, KeepReplacedFile };

struct PublishOutcome {
    int backupError = 0;           // nothing was published when not 0
    std::filesystem::path backup;  // the copy kept of the replaced file; empty when none
    int error = 0;                 // of taking the destination's turn, the save or the copy
    int journalError = 0;          // of recording what was written (see PublishJournal)
};

// Keeps a backup of the destination's file when asked (see BackUpFile), saves
// the profile as its own file and copies it to the destination. The
// destination's folder is locked meanwhile (see FolderLock), unless it is the
// working folder, whose lock is the caller's: two working folders publishing
// to one destination take turns, so that every replaced version has its
// backup. What was written is then read back from the destination and
// recorded in the journal. ENOENT where the destination has no host path.
PublishOutcome PublishToDestination(ProfileStore& store, const Profile& profile,
    const PublishDestination& destination, Backup backup);

class PublishTargets {
public:
    // Nothing looked up: only the working folder can be published to.
    PublishTargets() = default;
    // The installs in use, their settings folders created.
    static PublishTargets FromInstalls(const InstallsFound& installs, Dialogs& dialogs);

    bool IsAvailable(PublishTarget target) const;
    // The server when its install was found, else the game, else the working folder.
    PublishTarget Preferred() const;
    std::vector<PublishDestination> Destinations(PublishTarget target) const;
    // The files the target writes, one a line, or why it cannot be chosen.
    std::string Description(PublishTarget target) const;

private:
    struct InstallTarget {
        std::optional<PublishDestination> destination;
        std::string reason;  // when there is none
    };

    std::array<InstallTarget, installKinds.size()> installs_{
        {{std::nullopt, std::string(Messages::kWorkingFolderOnly)},
            {std::nullopt, std::string(Messages::kWorkingFolderOnly)}}};
};
