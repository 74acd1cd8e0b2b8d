#pragma once

// The two installs a profile can be published to, and why one of them was not
// found: the decision is ReadGameDir's, the explanation is for the person who
// cannot see the registry the way the game does.

#include "installs/GameDir.h"
#include "installs/WinePrefix.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

struct InstallKind {
    std::string_view caption;  // as the window's "Publish To" buttons name it
    std::string_view keyPath;
};

// In the order the window looks them up and publishes to them.
inline constexpr std::array<InstallKind, 2> installKinds{{
    {"Server", kServerKeyPath},
    {"Game", kGameKeyPath},
}};

struct InstallLookup {
    std::optional<std::string> folder;  // GAMEDIR as read
    std::string reason;                 // why it was not found; empty when it was
};

InstallLookup LookUpInstall(const WinePrefix& prefix, std::string_view keyPath);
