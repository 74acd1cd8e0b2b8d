#pragma once

// Unknown SSH host keys: their fingerprint, for the user to compare, and
// trusting one, which writes the line ssh itself wrote for it (hashed when
// HashKnownHosts is on) into the known_hosts file ssh reads first
// (UserKnownHostsFile). A changed key is never trusted here.

#include "transport/Location.h"
#include "transport/Transfer.h"
#include "transport/TransportResult.h"

#include <optional>

// Connects once more, recording whatever key the host shows into a throwaway
// known_hosts file (ssh's accept-new, which also works through ProxyJump and
// aliases), with no login attempted; none when no key could be read.
std::optional<HostKey> ReadUnknownHostKey(
    const Location& location, const TransportOptions& options);

// Adds the key to its known_hosts file, creating the file and its folder
// (mode 0700) when missing.
TransportResult TrustHostKey(const HostKey& key);
