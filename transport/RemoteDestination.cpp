#include "transport/RemoteDestination.h"

#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/FtpFiles.h"
#include "transport/LocalFolderDestination.h"
#include "transport/RemotePublisher.h"
#include "transport/SftpFiles.h"

RemoteDestination::RemoteDestination(Location location, TransportOptions options)
    : location_(std::move(location))
    , options_(std::move(options))
{
}

std::unique_ptr<RemoteFiles> RemoteDestination::Connection(const TransferControl& control) const
{
    if (location_.scheme == Scheme::Sftp)
        return std::make_unique<SftpFiles>(location_, options_, control);
    return std::make_unique<FtpFiles>(location_, options_, control);
}

TransportResult RemoteDestination::Warned(TransportResult result) const
{
    if (location_.scheme == Scheme::Ftp)
        result.warning
            = Formatted(Translated("Warning: %s is reached by plain FTP, which sends the "
                                   "password and the profile unencrypted."),
                {location_.host});
    return result;
}

TransportResult RemoteDestination::Publish(
    std::string_view bytes, Backup backup, const TransferControl& control)
{
    const std::unique_ptr<RemoteFiles> files = Connection(control);
    return Warned(RemotePublisher(*files, location_, control).Publish(bytes, backup));
}

FetchResult RemoteDestination::Fetch(std::size_t maxBytes, const TransferControl& control)
{
    const std::unique_ptr<RemoteFiles> files = Connection(control);
    FetchResult fetched = RemotePublisher(*files, location_, control).Fetch(maxBytes);
    fetched.result = Warned(std::move(fetched.result));
    return fetched;
}

TransportResult RemoteDestination::Check(const TransferControl& control)
{
    const std::unique_ptr<RemoteFiles> files = Connection(control);
    return Warned(RemotePublisher(*files, location_, control).Check());
}

std::unique_ptr<Destination> MakeDestination(Location location, const TransportOptions& options)
{
    if (location.IsRemote())
        return std::make_unique<RemoteDestination>(std::move(location), options);
    const FolderRole role = location.Role();
    return std::make_unique<LocalFolderDestination>(std::move(location), role);
}
