#pragma once

// The named servers of the settings file as targets reports them: each with
// its location, what it holds (its file fetched and judged by the journal)
// and, when asked, what a check found. The servers are looked at all at
// once; one whose URL or pin cannot be used is not connected to, and its
// check fails with that problem.

#include "installs/ServerEntry.h"
#include "session/DestinationHolding.h"
#include "transport/TransportResult.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ServerCheck { Connect, None };

struct ServerTarget {
    ServerEntry server;
    std::string problem;  // why its URL or pin cannot be used
    DestinationHolding holding;
    std::optional<TransportResult> check;  // with ServerCheck::Connect
};

std::vector<ServerTarget> LookAtServers(ServerCheck check);
// False when a check found a server unreachable or failing.
bool AllReachable(const std::vector<ServerTarget>& servers);
// What a check found, as a word scripts can rely on: "reachable",
// "unreachable", "timed-out", "host-key-unknown", "host-key-changed",
// "certificate-untrusted", "login-refused", "folder-missing", or "failed".
std::string_view CheckWord(const TransportResult& result);
