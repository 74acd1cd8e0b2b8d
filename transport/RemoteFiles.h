#pragma once

// The few file operations that publishing needs from a server, one
// implementation per protocol (SFTP, FTP). RemotePublisher builds the whole
// publish, fetch and check from them, so the rules of publishing (temporary
// name, size check, mode kept, backup, sweep) exist once. Paths are
// FolderPath paths: absolute, or relative to the login's home folder.

#include "transport/Transfer.h"
#include "transport/TransportResult.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class EntryKind { File, Folder, Link, Other };

struct RemoteEntry {
    std::string name;
    EntryKind kind = EntryKind::Other;     // a link is a link, not what it points to
    std::optional<unsigned> mode;          // permission bits, where the server tells them
    std::optional<std::int64_t> modified;  // seconds since 1970, where listed
    std::optional<std::uint64_t> size;
};

enum class StepStatus {
    Ok,
    NotFound,     // no such file or folder
    Exists,       // Rename: the server renames only onto a free name
    Unsupported,  // the server lacks the operation (Link; SetMode)
    Failed,       // see failure
};

struct Step {
    StepStatus status = StepStatus::Ok;
    TransportResult failure;  // Failed: the outcome (Failed, Cancelled, TimedOut...) and why

    bool IsOk() const { return status == StepStatus::Ok; }
};

class RemoteFiles {
public:
    virtual ~RemoteFiles() = default;

    // Connects and logs in.
    virtual TransportResult Connect() = 0;
    // Ok when path is a folder (links followed), NotFound when it is none.
    virtual Step FindFolder(const std::string& path) = 0;
    virtual Step List(const std::string& folder, std::vector<RemoteEntry>& entries) = 0;
    virtual Step MakeFolder(const std::string& path) = 0;
    // Creates path with the bytes; never replaces a file where the protocol can tell.
    virtual Step Upload(const std::string& path, std::string_view bytes) = 0;
    virtual Step SizeOf(const std::string& path, std::uint64_t& size) = 0;
    virtual Step ModifiedAt(const std::string& path, std::int64_t& seconds) = 0;
    virtual Step SetMode(const std::string& path, unsigned mode) = 0;
    // Puts from at to, replacing a file there in one step where the server
    // can; Exists where it only renames onto a free name.
    virtual Step Rename(const std::string& from, const std::string& to) = 0;
    virtual Step Remove(const std::string& path) = 0;
    // A second name for a file (a hard link); Unsupported where there is none.
    virtual Step Link(const std::string& existing, const std::string& path) = 0;
    // At most maxBytes; TooLarge past them.
    virtual Step Download(const std::string& path, std::size_t maxBytes, std::string& bytes) = 0;
    // Ends the connection; what it still sends is not waited for long.
    virtual void Disconnect() = 0;
    // How messages name a path on this server: "host:/srv/bfv/...".
    virtual std::string Describe(const std::string& path) const = 0;
};
