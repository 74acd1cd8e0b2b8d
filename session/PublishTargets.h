#pragma once

// Where each publish target writes. The installs are looked up once, their
// settings folders created, and the paths kept; the working folder is read
// afresh at every publish, at any length.

#include "session/PublishTarget.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class Dialogs;
class ProfileStore;
class WinePrefix;
struct Profile;

struct PublishDestination {
    // Empty when there is no host path: the install's drive has no folder in
    // the prefix, or the working folder cannot be read.
    std::filesystem::path path;
    std::string text;  // as messages show it
};

// CustomCombat.wst in the working folder as it is now.
PublishDestination WorkingFolderDestination();

// Looks up the install and creates its settings folder with every missing
// parent; a creation that fails for a reason the user is told about gets a
// message. None when the install was not found.
std::optional<PublishDestination> PrepareInstallDestination(
    const WinePrefix& prefix, const InstallKind& install, Dialogs& dialogs);

// Saves the profile as its own file, then copies it to the destination: 0 or
// the errno of the failure, ENOENT where the destination has no host path.
int PublishToDestination(
    ProfileStore& store, const Profile& profile, const PublishDestination& destination);

class PublishTargets {
public:
    // Nothing looked up: only the working folder can be published to.
    PublishTargets() = default;
    // The server's install, then the game's.
    static PublishTargets Find(const WinePrefix& prefix, Dialogs& dialogs);

    bool IsAvailable(PublishTarget target) const;
    // The server when its install was found, else the game, else the working folder.
    PublishTarget Preferred() const;
    std::vector<PublishDestination> Destinations(PublishTarget target) const;

private:
    std::array<std::optional<PublishDestination>, installKinds.size()> installs_;
};
