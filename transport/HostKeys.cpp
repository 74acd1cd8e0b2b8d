#include "transport/HostKeys.h"

#include "profile/FileDescriptor.h"
#include "profile/RegularFile.h"
#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/ChildProcess.h"
#include "transport/FileAction.h"
#include "transport/SshCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kKnownHostsLimit = 1024 * 1024;

// A folder for one probe, removed with it.
class ThrowawayFolder {
public:
    ThrowawayFolder()
    {
        std::error_code error;
        std::string pattern = (fs::temp_directory_path(error) / "quavel-hostkey-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~ThrowawayFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    ThrowawayFolder(const ThrowawayFolder&) = delete;
    ThrowawayFolder& operator=(const ThrowawayFolder&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// The first value ssh -G gives for key (written in lower case), "" when none.
std::string EffectiveSetting(
    const Location& location, const TransportOptions& options, std::string_view key)
{
    const ProgramRun run = RunProgram(EffectiveConfigurationCommand(location, options),
        options.environment, {}, options.connectTimeout);
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(key) && line.size() > key.size() && line[key.size()] == ' ') {
            const std::string values = line.substr(key.size() + 1);
            return values.substr(0, values.find(' '));
        }
    }
    return {};
}

// "256 SHA256:abc... host (ED25519)" into the fingerprint and the type.
bool ReadFingerprintLine(std::string_view line, HostKey& key)
{
    const std::size_t start = line.find(' ');
    const std::size_t end = line.find(' ', start + 1);
    const std::size_t typeStart = line.rfind('(');
    const std::size_t typeEnd = line.rfind(')');
    if (start == std::string_view::npos || end == std::string_view::npos
        || typeStart == std::string_view::npos || typeEnd < typeStart)
        return false;
    key.fingerprint = std::string(line.substr(start + 1, end - start - 1));
    key.type = std::string(line.substr(typeStart + 1, typeEnd - typeStart - 1));
    return key.fingerprint.starts_with("SHA256:");
}

}  // namespace

std::optional<HostKey> ReadUnknownHostKey(const Location& location, const TransportOptions& options)
{
    const ThrowawayFolder folder;
    if (folder.path().empty())
        return std::nullopt;
    const fs::path knownHosts = folder.path() / "known_hosts";
    const std::string knownHostsOption = "UserKnownHostsFile=" + knownHosts.string();
    const std::array<std::string_view, 6> recordAny{"StrictHostKeyChecking=accept-new",
        knownHostsOption, "GlobalKnownHostsFile=/dev/null", "UpdateHostKeys=no", "BatchMode=yes",
        "PreferredAuthentications=none"};
    RunProgram(SftpCommand(location, options, recordAny), options.environment, {},
        options.connectTimeout + options.stallTimeout);
    const RegularFileRead lines = ReadRegularFile(knownHosts, kKnownHostsLimit);
    if (lines.error || lines.bytes.empty())
        return std::nullopt;
    const ProgramRun listed
        = RunProgram({options.sshKeygenProgram, "-l", "-f", knownHosts.string()}, {}, {},
            options.connectTimeout);
    HostKey key;
    key.host = location.host + (location.port ? ":" + std::to_string(*location.port) : "");
    key.knownHostsLines = lines.bytes;
    key.knownHostsFile = EffectiveSetting(location, options, "userknownhostsfile");
    if (!ReadFingerprintLine(listed.output.substr(0, listed.output.find('\n')), key)
        || key.knownHostsFile.empty())
        return std::nullopt;
    return key;
}

TransportResult TrustHostKey(const HostKey& key)
{
    const fs::path file(key.knownHostsFile);
    std::error_code error;
    if (!file.parent_path().empty() && !fs::is_directory(file.parent_path(), error)) {
        fs::create_directories(file.parent_path(), error);
        fs::permissions(file.parent_path(), fs::perms::owner_all, error);
    }
    const RegularFileRead old = ReadRegularFile(file, kKnownHostsLimit);
    if (old.error != 0 && old.error != ENOENT)
        return Failure(Outcome::Failed,
            CouldNot(FileAction::Read, file.string(), SystemErrorText(old.error)) + ".");
    std::string lines = key.knownHostsLines;
    if (!old.bytes.empty() && !old.bytes.ends_with('\n'))
        lines.insert(lines.begin(), '\n');
    if (!lines.ends_with('\n'))
        lines += '\n';
    FileDescriptor out(::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (!out.IsOpen()
        || ::write(out.get(), lines.data(), lines.size()) != static_cast<ssize_t>(lines.size())
        || ::fsync(out.get()) != 0 || out.Close() != 0)
        return Failure(Outcome::Failed,
            Formatted(Translated("Could not add the host key to %1$s: %2$s."),
                {file.string(), SystemErrorText(errno)}));
    return {};
}
