#pragma once

// A publish destination as the session publishes to it, local or remote
// alike: the transport writes the file (whole or not at all, with its
// backup), and every file written is recorded in the publish journal. A file
// someone changed there since it was last published from here is kept, in
// the same connection and under the same lock as the write, unless the
// destination says to replace it (NotReplaced, the reason saying so). A
// folder on this machine is locked from writing until its record is in the
// journal (see FolderLock), unless it is the working folder, whose lock the
// caller holds; the profile's own file is not written over itself.

#include "session/PublishTargets.h"
#include "transport/Destination.h"

#include <filesystem>
#include <memory>
#include <string>

// The profile whose bytes are published, as the journal names it.
struct PublishedProfile {
    std::string name;
    std::filesystem::path file;  // absolute
    std::filesystem::path workingFolder;
};

class SessionDestination : public Destination {
public:
    SessionDestination(
        PublishDestination destination, PublishedProfile profile, const TransportOptions& options);

    TransportResult Publish(
        std::string_view bytes, Backup backup, const TransferControl& control) override;
    FetchResult Fetch(std::size_t maxBytes, const TransferControl& control) override;
    TransportResult Check(const TransferControl& control) override;

    const PublishDestination& destination() const { return destination_; }

private:
    // The control with the journal's say on replacing the file there, unless
    // the destination replaces a changed file.
    TransferControl Guarded(const TransferControl& control) const;
    TransportResult Record(TransportResult result, std::string_view bytes) const;

    PublishDestination destination_;
    PublishedProfile profile_;
    std::unique_ptr<Destination> transport_;
};

// The transport's destination for it: the settings folder of a local
// destination (where CustomCombat.wst goes, whatever the folder's path), or
// the remote server's location.
std::unique_ptr<Destination> OpenDestination(
    const PublishDestination& destination, const TransportOptions& options);
