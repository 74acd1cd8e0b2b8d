#pragma once

// Import: a publish destination's CustomCombat.wst (a server's, local or
// remote, or a folder's) becomes a new profile of the working folder. The
// file is read as every profile is (see ProfileStore::ReadProfileText) before
// anything is written; a refused file, a file larger than
// kMaximumProfileBytes, or a name already taken creates nothing. The new file
// holds the fetched bytes as they were.

#include "session/PublishTargets.h"

#include <optional>
#include <string>

class ProfileStore;

// The message telling why nothing was created, or none.
std::optional<std::string> ImportProfile(ProfileStore& store, const PublishDestination& source,
    const std::string& name, const TransportOptions& options, const TransferControl& control);
