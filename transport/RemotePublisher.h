#pragma once

// Publishing, fetching and checking on a server, the same for every protocol
// (see RemoteFiles). A publish uploads to a temporary name in the settings
// folder, checks the size the server holds, gives it the old file's
// permission bits and renames it over CustomCombat.wst: atomically where the
// server can, and only where it renames onto free names alone by removing
// the old file first. On any failure or stop before the rename the
// temporary is removed while the connection allows; a stop once the rename
// is under way lets it finish, so the server holds the old file or the new.

#include "transport/Location.h"
#include "transport/RemoteFiles.h"

#include <optional>
#include <vector>

class RemotePublisher {
public:
    RemotePublisher(RemoteFiles& files, const Location& location, const TransferControl& control);

    TransportResult Publish(std::string_view bytes, Backup backup);
    FetchResult Fetch(std::size_t maxBytes);
    TransportResult Check();

private:
    enum class Creation { Create, LookOnly };

    TransportResult Open();
    TransportResult FindGivenFolder();
    // What control_.mayReplace says of the file there, read first.
    TransportResult MayReplace(const std::string& folder, const std::optional<RemoteEntry>& old);
    TransportResult FindSettingsFolder(Creation creation, std::string& folder);
    TransportResult Descend(const std::string& folder, const std::string& component,
        Creation creation, std::string& found);
    void RemoveLeftovers(const std::string& folder, const std::vector<RemoteEntry>& entries);
    TransportResult KeepCopy(const std::string& folder, const RemoteEntry& old,
        const std::vector<RemoteEntry>& entries, std::string& kept);
    Step CopyFile(const RemoteEntry& old, const std::string& from, const std::string& to);
    TransportResult Replace(
        const std::string& folder, const std::optional<RemoteEntry>& old, std::string_view bytes);
    TransportResult UploadChecked(
        const std::string& path, std::string_view bytes, std::optional<unsigned> mode);
    TransportResult Renamed(const std::string& from, const std::string& to, bool replacing);

    RemoteFiles& files_;
    const Location& location_;
    const TransferControl& control_;
};
