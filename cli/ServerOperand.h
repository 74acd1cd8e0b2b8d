#pragma once

// Servers named on the command line: "server:NAME", a server of the
// settings file, and a location given once, a URL or a folder (see
// ParseLocation).

#include "cli/Console.h"
#include "session/PublishTargets.h"

#include <optional>
#include <string_view>

inline constexpr std::string_view kServerPrefix = "server:";

// The named server's destination; none after a message.
std::optional<PublishDestination> NamedServer(std::string_view name, Console& console);
// The location's destination; none after a message that names the fault.
std::optional<PublishDestination> GivenLocation(std::string_view text, Console& console);
// Every server of the settings file that "Server" publishes to (see
// ServersPublishedTo).
std::vector<PublishDestination> ChosenServers();
