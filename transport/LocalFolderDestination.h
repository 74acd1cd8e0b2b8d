#pragma once

// A settings folder on this machine (a native server's, or one reached
// through a mounted file system): the atomic file writer of the profile
// folder does the writing, so a replaced file keeps its owner, mode and
// extended attributes and a symbolic link stays a link. The session
// publishes to the working folder and to a folder given on the command line
// through it as well, taking those for settings folders whatever their path.

#include "transport/Destination.h"

#include <filesystem>

class LocalFolderDestination : public Destination {
public:
    LocalFolderDestination(Location location, FolderRole role);

    TransportResult Publish(
        std::string_view bytes, Backup backup, const TransferControl& control) override;
    FetchResult Fetch(std::size_t maxBytes, const TransferControl& control) override;
    TransportResult Check(const TransferControl& control) override;

private:
    enum class Creation { Create, LookOnly };

    std::filesystem::path GivenFolder() const;
    // The settings folder, or why there is none.
    TransportResult FindSettingsFolder(Creation creation, std::filesystem::path& folder) const;

    Location location_;
    FolderRole role_;
};
