#pragma once

// A server reached over SFTP, FTPS or FTP: each call opens its own
// connection (see RemotePublisher for what a publish does there). Every
// result for a plain ftp:// location carries a warning that the password and
// the file travel unencrypted.

#include "transport/Destination.h"

class RemoteFiles;

class RemoteDestination : public Destination {
public:
    RemoteDestination(Location location, TransportOptions options);

    TransportResult Publish(
        std::string_view bytes, Backup backup, const TransferControl& control) override;
    FetchResult Fetch(std::size_t maxBytes, const TransferControl& control) override;
    TransportResult Check(const TransferControl& control) override;

private:
    std::unique_ptr<RemoteFiles> Connection(const TransferControl& control) const;
    TransportResult Warned(TransportResult result) const;

    Location location_;
    TransportOptions options_;
};
