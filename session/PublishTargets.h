#pragma once

// Where each publish target writes, or why it cannot: settled from the
// installs in use and the named servers of the settings file when the
// session starts and again after each choice. The working folder is read
// afresh at every publish, at any length. "Server" publishes to the server
// install found on this machine (the "local install") and to every named
// server not left out, in that order.

#include "installs/ServerEntry.h"
#include "session/Messages.h"
#include "session/PublishTarget.h"
#include "session/PublishWatch.h"
#include "text/TranslatedText.h"
#include "transport/Location.h"
#include "transport/Transfer.h"
#include "transport/TransportResult.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class Dialogs;
class ProfileStore;
struct Profile;

// A destination is known by its text: the journal records it, a path on
// this machine or a remote server's URL.
struct PublishDestination {
    // CustomCombat.wst on this machine; empty for a remote server, and when
    // the working folder cannot be read.
    std::filesystem::path path;
    std::string text;                // as messages show it
    std::string place;               // as questions name the folder: "the server's folder"
    std::optional<Location> remote;  // a server reached over the network
    // As lists and progress rows name it: "Server", a server's name, else
    // the text.
    std::string label;
    // A named server whose URL or pin cannot be used: why; it cannot be
    // published to, and its text is the URL as written.
    std::string problem;
    // A file someone changed there since it was last published from here is
    // replaced only when set (the user agreed, or --force); else it is kept.
    bool replaceChangedFile = false;
};

// The named server's destination, or why its URL or pin cannot be used.
struct ServerDestination {
    std::optional<PublishDestination> destination;
    std::string problem;
};
ServerDestination DestinationOf(const ServerEntry& server);
// The destinations of the servers "Server" publishes to, in their order; one
// whose URL or pin cannot be used is there with its problem.
std::vector<PublishDestination> ServersPublishedTo(const std::vector<ServerEntry>& servers);
// A location given once (publish --to-url), named by its text.
PublishDestination LocationDestination(const Location& location);

// The label of the server install found on this machine among the servers.
inline constexpr TranslatedText kLocalInstallLabel = TranslatedText("local install");

// CustomCombat.wst in the working folder as it is now.
PublishDestination WorkingFolderDestination();

// CustomCombat.wst of the install in use; its settings folder is created with
// every missing parent when asked, and a creation that fails for a reason the
// user is told about gets a message.
PublishDestination PrepareInstallDestination(const InstallKind& kind, const FoundInstall& install,
    FolderCreation creation, Dialogs& dialogs);

// Saves the profile as its own file, then publishes its bytes to every
// destination at once (see SessionDestination: a backup of the replaced file
// when asked, the folder locked on this machine, each publish journaled):
// one result per destination, in their order. A failed save publishes
// nothing and gives every destination its error.
std::vector<TransportResult> PublishToDestinations(ProfileStore& store, const Profile& profile,
    const std::vector<PublishDestination>& destinations, Backup backup,
    const TransportOptions& options, const PublishWatch& watch = {});

class PublishTargets {
public:
    // Nothing looked up: only the working folder can be published to.
    PublishTargets() = default;
    // The installs in use, their settings folders created, and the servers.
    static PublishTargets FromInstalls(
        const InstallsFound& installs, const std::vector<ServerEntry>& servers, Dialogs& dialogs);

    bool IsAvailable(PublishTarget target) const;
    // The server when its install was found, else the game, else the working folder.
    PublishTarget Preferred() const;
    std::vector<PublishDestination> Destinations(PublishTarget target) const;
    // The files the target writes, one a line, or why it cannot be chosen.
    std::string Description(PublishTarget target) const;
    // The named servers, published to or not, and why one cannot be used.
    const std::vector<ServerEntry>& servers() const { return servers_; }

private:
    struct InstallTarget {
        std::optional<PublishDestination> destination;
        std::string reason;  // when there is none
    };

    std::vector<ServerEntry> servers_;
    std::array<InstallTarget, installKinds.size()> installs_{
        {{std::nullopt, std::string(Messages::kWorkingFolderOnly)},
            {std::nullopt, std::string(Messages::kWorkingFolderOnly)}}};
};
