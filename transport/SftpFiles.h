#pragma once

// RemoteFiles over SFTP version 3, spoken by Quavel itself over the system's
// ssh (see SshChannel), so that the user's ssh configuration, agent and
// known_hosts apply as for "ssh host". Uploads keep several writes in flight;
// OpenSSH's posix-rename and hardlink extensions are used where the server's
// VERSION lists them.

#include "transport/FileAction.h"
#include "transport/RemoteFiles.h"
#include "transport/SftpPacket.h"
#include "transport/SftpReader.h"
#include "transport/SshChannel.h"

#include <set>

class SftpFiles : public RemoteFiles {
public:
    SftpFiles(
        const Location& location, const TransportOptions& options, const TransferControl& control);

    TransportResult Connect() override;
    Step FindFolder(const std::string& path) override;
    Step List(const std::string& folder, std::vector<RemoteEntry>& entries) override;
    Step MakeFolder(const std::string& path) override;
    Step Upload(const std::string& path, std::string_view bytes) override;
    Step SizeOf(const std::string& path, std::uint64_t& size) override;
    Step ModifiedAt(const std::string& path, std::int64_t& seconds) override;
    Step SetMode(const std::string& path, unsigned mode) override;
    Step Rename(const std::string& from, const std::string& to) override;
    Step Remove(const std::string& path) override;
    Step Link(const std::string& existing, const std::string& path) override;
    Step Download(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
    void Disconnect() override;
    std::string Describe(const std::string& path) const override;

private:
    struct Reply {
        Step step;  // Failed when no reply came
        sftp::Type type = sftp::Status;
        std::string body;  // after the id
    };

    std::uint32_t NextId() { return ++lastId_; }
    Step SendPacket(const SftpPacket& packet, Interruption interruption);
    // The reply to request id; replies to requests given up on are skipped.
    Reply Await(std::uint32_t id, Interruption interruption);
    static bool IsEndOfFile(const Reply& reply);
    Reply Call(const SftpPacket& packet, std::uint32_t id,
        Interruption interruption = Interruption::Never);
    // Ok for a STATUS of OK, else what the status means for the step.
    Step StatusStep(const Reply& reply, FileAction action, const std::string& path) const;
    Step Stat(sftp::Type type, const std::string& path, SftpAttributes& attributes);
    Step OpenHandle(sftp::Type type, const std::string& path, std::uint32_t flags,
        std::string& handle, Interruption interruption);
    void CloseHandle(const std::string& handle);
    Step WriteAll(const std::string& handle, std::string_view bytes, const std::string& path);
    Step ReadAll(
        const std::string& handle, std::uint64_t size, std::string& bytes, const std::string& path);
    Step Extended(std::string_view name, const std::string& first, const std::string& second,
        FileAction action);
    std::string WirePath(const std::string& path) const;

    const Location& location_;
    const TransportOptions& options_;
    const TransferControl& control_;
    SshChannel channel_;
    std::set<std::string, std::less<>> extensions_;
    std::uint32_t lastId_ = 0;
};
