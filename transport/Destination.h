#pragma once

// One place a profile is published to, whatever reaches it: a local folder,
// an SFTP server through the system's ssh, an FTPS or FTP server. The session
// publishes, fetches and checks through this interface and never asks which
// kind it holds. Each call makes its own connection and closes it, so one
// object serves one call at a time and different objects run in parallel.
//
// Publish writes CustomCombat.wst whole or not at all: to a temporary file in
// the same folder, checked, then renamed over the old file, whose permission
// bits the new one keeps. A CustomCombat.wst that is a folder or a link is
// refused and nothing is changed.

#include "transport/Location.h"
#include "transport/Transfer.h"
#include "transport/TransportResult.h"

#include <cstddef>
#include <memory>
#include <string_view>

class Destination {
public:
    virtual ~Destination() = default;

    // With Backup::KeepReplacedFile the old file is kept beside it first, as
    // CustomCombat.wst.YYYYMMDD-HHMMSS.bak (local time; -1, -2... when taken),
    // named in the result's keptCopy.
    virtual TransportResult Publish(
        std::string_view bytes, Backup backup, const TransferControl& control)
        = 0;
    // The server's CustomCombat.wst; TooLarge, with nothing read, when it has
    // more than maxBytes.
    virtual FetchResult Fetch(std::size_t maxBytes, const TransferControl& control) = 0;
    // Reachable, logged in, and the folder there (or, below an install
    // folder, creatable): Done; else the first thing that failed.
    virtual TransportResult Check(const TransferControl& control) = 0;
};

std::unique_ptr<Destination> MakeDestination(Location location, const TransportOptions& options);
