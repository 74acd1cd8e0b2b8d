#include "transport/SftpFiles.h"

#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/FolderPath.h"
#include "transport/HostKeys.h"

#include <sys/stat.h>

#include <deque>
#include <utility>

namespace {

constexpr std::uint32_t kProtocolVersion = 3;
constexpr std::size_t kChunkSize = 32 * 1024;
constexpr std::size_t kWritesInFlight = 32;
// OpenSSH's own limit is 256 KiB; anything larger is no SFTP reply.
constexpr std::uint32_t kLargestReply = 1024 * 1024;
constexpr std::string_view kPosixRename = "posix-rename@openssh.com";
constexpr std::string_view kHardlink = "hardlink@openssh.com";

Step Failed(TransportResult result)
{
    return {StepStatus::Failed, std::move(result)};
}

Step Failed(Outcome outcome, std::string reason)
{
    return Failed(Failure(outcome, std::move(reason)));
}

EntryKind KindOf(std::uint32_t permissions)
{
    switch (permissions & S_IFMT) {
    case S_IFREG:
        return EntryKind::File;
    case S_IFDIR:
        return EntryKind::Folder;
    case S_IFLNK:
        return EntryKind::Link;
    default:
        return EntryKind::Other;
    }
}

std::string StatusWords(std::uint32_t code, std::string_view message)
{
    if (code == sftp::PermissionDenied)
        return Translated("permission denied");
    // OpenSSH reports a full disk, among others, as this plain "Failure", the
    // protocol's name for the status, which stays as the server would send it.
    if (code == sftp::Failure)
        return Formatted(Translated("%s (SFTP status 4: a full disk, a quota or another refusal "
                                    "the server does not name)"),
            {message.empty() ? "Failure" : message});
    const std::string_view words
        = message.empty() ? std::string_view(Translated("the server gave no reason")) : message;
    // TRANSLATORS: the server's reason (in its own words), and the status's number.
    return Formatted(Translated("%1$s (SFTP status %2$s)"), {words, std::to_string(code)});
}

}  // namespace

SftpFiles::SftpFiles(
    const Location& location, const TransportOptions& options, const TransferControl& control)
    : location_(location)
    , options_(options)
    , control_(control)
    , channel_(location, options, control)
{
}

TransportResult SftpFiles::Connect()
{
    if (TransportResult started = channel_.Start(); !started.IsDone())
        return started;
    TransportResult result = channel_.Send(
        SftpPacket(sftp::Init).Add(kProtocolVersion).Finish(), Interruption::OnStop);
    std::string length;
    std::string version;
    if (result.IsDone())
        result = channel_.Receive(
            4, length, Interruption::OnStop, options_.connectTimeout + options_.stallTimeout);
    SftpReader lengthReader(length);
    if (result.IsDone())
        result = channel_.Receive(
            std::min(lengthReader.Uint32(), kLargestReply), version, Interruption::OnStop);
    if (result.outcome == Outcome::HostKeyUnknown) {
        if (!channel_.refusedHostKeyQuestion().empty())
            // TRANSLATORS: the reason, then the question ssh asked, in its own words.
            result.reason = Formatted(Translated("%1$s ssh asked: %2$s"),
                {result.reason, channel_.refusedHostKeyQuestion()});
        else
            result.hostKey = ReadUnknownHostKey(location_, options_);
    }
    if (!result.IsDone())
        return result;
    SftpReader reader(version);
    if (reader.Byte() != sftp::Version || reader.Uint32() < kProtocolVersion)
        return Failure(Outcome::Failed,
            Formatted(Translated("The server %s does not speak SFTP version 3 (something else "
                                 "answered on its sftp subsystem)."),
                {location_.host}));
    while (!reader.AtEnd() && !reader.broken()) {
        extensions_.emplace(reader.String());
        reader.String();  // the extension's version
    }
    return {};
}

Step SftpFiles::SendPacket(const SftpPacket& packet, Interruption interruption)
{
    TransportResult sent = channel_.Send(packet.Finish(), interruption);
    return sent.IsDone() ? Step{} : Failed(std::move(sent));
}

SftpFiles::Reply SftpFiles::Await(std::uint32_t id, Interruption interruption)
{
    for (;;) {
        std::string length;
        std::string packet;
        TransportResult got = channel_.Receive(4, length, interruption);
        SftpReader lengthReader(length);
        const std::uint32_t size = got.IsDone() ? lengthReader.Uint32() : 0;
        if (got.IsDone() && (size < 5 || size > kLargestReply))
            got = Failure(Outcome::Failed,
                Formatted(
                    Translated("The server %s sent a reply that is no SFTP."), {location_.host}));
        if (got.IsDone())
            got = channel_.Receive(size, packet, interruption);
        if (!got.IsDone())
            return {Failed(std::move(got)), sftp::Status, {}};
        SftpReader reader(packet);
        const auto type = static_cast<sftp::Type>(reader.Byte());
        if (reader.Uint32() == id)
            return {{}, type, packet.substr(5)};
    }
}

bool SftpFiles::IsEndOfFile(const Reply& reply)
{
    return reply.step.IsOk() && reply.type == sftp::Status
        && SftpReader(reply.body).Uint32() == sftp::EndOfFile;
}

SftpFiles::Reply SftpFiles::Call(
    const SftpPacket& packet, std::uint32_t id, Interruption interruption)
{
    if (Step sent = SendPacket(packet, interruption); !sent.IsOk())
        return {std::move(sent), sftp::Status, {}};
    return Await(id, interruption);
}

Step SftpFiles::StatusStep(const Reply& reply, FileAction action, const std::string& path) const
{
    if (!reply.step.IsOk())
        return reply.step;
    SftpReader reader(reply.body);
    if (reply.type != sftp::Status)
        return Failed(Outcome::Failed, UnexpectedAnswer(action, location_.host));
    const std::uint32_t code = reader.Uint32();
    const std::string_view message = reader.String();
    switch (code) {
    case sftp::Ok:
        return {};
    case sftp::NoSuchFile:
        return {StepStatus::NotFound, {}};
    case sftp::Unsupported:
        return {StepStatus::Unsupported, {}};
    default:
        return Failed(
            Outcome::Failed, CouldNot(action, Describe(path), StatusWords(code, message)) + ".");
    }
}

Step SftpFiles::Stat(sftp::Type type, const std::string& path, SftpAttributes& attributes)
{
    const std::uint32_t id = NextId();
    const Reply reply = Call(SftpPacket(type, id).Add(WirePath(path)), id);
    if (!reply.step.IsOk() || reply.type != sftp::Attrs)
        return StatusStep(reply, FileAction::LookAt, path);
    SftpReader reader(reply.body);
    attributes = reader.Attributes();
    return {};
}

Step SftpFiles::FindFolder(const std::string& path)
{
    SftpAttributes attributes;
    Step step = Stat(sftp::Stat, path, attributes);
    if (step.IsOk() && KindOf(attributes.permissions.value_or(0)) != EntryKind::Folder)
        return {StepStatus::NotFound, {}};
    return step;
}

Step SftpFiles::OpenHandle(sftp::Type type, const std::string& path, std::uint32_t flags,
    std::string& handle, Interruption interruption)
{
    const std::uint32_t id = NextId();
    SftpPacket packet(type, id);
    packet.Add(WirePath(path));
    if (type == sftp::Open)
        packet.Add(flags).AddNoAttributes();
    const Reply reply = Call(packet, id, interruption);
    if (!reply.step.IsOk() || reply.type != sftp::Handle)
        return StatusStep(reply, type == sftp::Open ? FileAction::Open : FileAction::List, path);
    SftpReader reader(reply.body);
    handle = std::string(reader.String());
    return {};
}

void SftpFiles::CloseHandle(const std::string& handle)
{
    const std::uint32_t id = NextId();
    Call(SftpPacket(sftp::Close, id).Add(handle), id);
}

Step SftpFiles::List(const std::string& folder, std::vector<RemoteEntry>& entries)
{
    std::string handle;
    if (Step opened = OpenHandle(sftp::Opendir, folder, 0, handle, Interruption::OnStop);
        !opened.IsOk())
        return opened;
    for (;;) {
        const std::uint32_t id = NextId();
        const Reply reply
            = Call(SftpPacket(sftp::Readdir, id).Add(handle), id, Interruption::OnStop);
        if (!reply.step.IsOk())
            return reply.step;
        if (reply.type != sftp::Name) {
            CloseHandle(handle);
            return IsEndOfFile(reply) ? Step{} : StatusStep(reply, FileAction::List, folder);
        }
        SftpReader reader(reply.body);
        for (std::uint32_t count = reader.Uint32(); count > 0 && !reader.broken(); --count) {
            RemoteEntry entry;
            entry.name = std::string(reader.String());
            reader.String();  // the ls -l line
            const SftpAttributes attributes = reader.Attributes();
            entry.kind = KindOf(attributes.permissions.value_or(0));
            if (attributes.permissions)
                entry.mode = *attributes.permissions & 07777;
            entry.modified = attributes.modified;
            entry.size = attributes.size;
            if (entry.name != "." && entry.name != "..")
                entries.push_back(std::move(entry));
        }
    }
}

Step SftpFiles::MakeFolder(const std::string& path)
{
    const std::uint32_t id = NextId();
    return StatusStep(Call(SftpPacket(sftp::Mkdir, id).Add(WirePath(path)).AddNoAttributes(), id),
        FileAction::CreateFolder, path);
}

Step SftpFiles::WriteAll(const std::string& handle, std::string_view bytes, const std::string& path)
{
    std::deque<std::pair<std::uint32_t, std::size_t>> inFlight;
    std::size_t sent = 0;
    std::size_t written = 0;
    while (written < bytes.size()) {
        while (inFlight.size() < kWritesInFlight && sent < bytes.size()) {
            const std::size_t size = std::min(kChunkSize, bytes.size() - sent);
            const std::uint32_t id = NextId();
            SftpPacket packet(sftp::Write, id);
            packet.Add(handle).Add64(sent).Add(bytes.substr(sent, size));
            if (Step step = SendPacket(packet, Interruption::OnStop); !step.IsOk())
                return step;
            inFlight.emplace_back(id, size);
            sent += size;
        }
        const auto [id, size] = inFlight.front();
        inFlight.pop_front();
        if (Step step = StatusStep(Await(id, Interruption::OnStop), FileAction::Write, path);
            !step.IsOk())
            return step;
        written += size;
        if (control_.progress)
            control_.progress(TransferStage::Uploading, written, bytes.size());
    }
    return {};
}

Step SftpFiles::Upload(const std::string& path, std::string_view bytes)
{
    std::string handle;
    const std::uint32_t flags = sftp::OpenWrite | sftp::OpenCreate | sftp::OpenExclusive;
    if (Step opened = OpenHandle(sftp::Open, path, flags, handle, Interruption::OnStop);
        !opened.IsOk())
        return opened;
    Step step = WriteAll(handle, bytes, path);
    if (!step.IsOk())
        return step;
    // A server reports some failed writes (a full disk) only when the file is closed.
    const std::uint32_t id = NextId();
    return StatusStep(Call(SftpPacket(sftp::Close, id).Add(handle), id), FileAction::Write, path);
}

Step SftpFiles::SizeOf(const std::string& path, std::uint64_t& size)
{
    SftpAttributes attributes;
    Step step = Stat(sftp::Stat, path, attributes);
    size = attributes.size.value_or(0);
    return step;
}

Step SftpFiles::ModifiedAt(const std::string& path, std::int64_t& seconds)
{
    SftpAttributes attributes;
    Step step = Stat(sftp::Lstat, path, attributes);
    seconds = attributes.modified.value_or(0);
    return step;
}

Step SftpFiles::SetMode(const std::string& path, unsigned mode)
{
    const std::uint32_t id = NextId();
    return StatusStep(
        Call(SftpPacket(sftp::Setstat, id).Add(WirePath(path)).AddPermissions(mode), id),
        FileAction::SetPermissions, path);
}

Step SftpFiles::Extended(
    std::string_view name, const std::string& first, const std::string& second, FileAction action)
{
    const std::uint32_t id = NextId();
    return StatusStep(
        Call(SftpPacket(sftp::Extended, id).Add(name).Add(WirePath(first)).Add(WirePath(second)),
            id),
        action, first);
}

Step SftpFiles::Rename(const std::string& from, const std::string& to)
{
    if (extensions_.contains(kPosixRename))
        return Extended(kPosixRename, from, to, FileAction::Rename);
    const std::uint32_t id = NextId();
    Step step
        = StatusStep(Call(SftpPacket(sftp::Rename, id).Add(WirePath(from)).Add(WirePath(to)), id),
            FileAction::Rename, from);
    SftpAttributes attributes;
    if (step.status == StepStatus::Failed && Stat(sftp::Lstat, to, attributes).IsOk())
        return {StepStatus::Exists, step.failure};
    return step;
}

Step SftpFiles::Remove(const std::string& path)
{
    const std::uint32_t id = NextId();
    return StatusStep(
        Call(SftpPacket(sftp::Remove, id).Add(WirePath(path)), id), FileAction::Remove, path);
}

Step SftpFiles::Link(const std::string& existing, const std::string& path)
{
    if (!extensions_.contains(kHardlink))
        return {StepStatus::Unsupported, {}};
    return Extended(kHardlink, existing, path, FileAction::KeepCopy);
}

Step SftpFiles::ReadAll(
    const std::string& handle, std::uint64_t size, std::string& bytes, const std::string& path)
{
    for (;;) {
        const std::uint32_t id = NextId();
        const Reply reply = Call(SftpPacket(sftp::Read, id)
                                     .Add(handle)
                                     .Add64(bytes.size())
                                     .Add(static_cast<std::uint32_t>(kChunkSize)),
            id, Interruption::OnStop);
        if (!reply.step.IsOk() || reply.type != sftp::Data)
            return IsEndOfFile(reply) ? Step{} : StatusStep(reply, FileAction::Read, path);
        SftpReader reader(reply.body);
        bytes += reader.String();
        if (control_.progress)
            control_.progress(TransferStage::Downloading, bytes.size(), size);
    }
}

Step SftpFiles::Download(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    std::string handle;
    if (Step opened = OpenHandle(sftp::Open, path, sftp::OpenRead, handle, Interruption::OnStop);
        !opened.IsOk())
        return opened;
    const std::uint32_t id = NextId();
    const Reply reply = Call(SftpPacket(sftp::Fstat, id).Add(handle), id);
    const std::uint64_t size
        = reply.type == sftp::Attrs ? SftpReader(reply.body).Attributes().size.value_or(0) : 0;
    Step step = size > maxBytes ? Step{} : ReadAll(handle, size, bytes, path);
    if (step.IsOk() && (size > maxBytes || bytes.size() > maxBytes))
        step = Failed(Outcome::TooLarge,
            Formatted(TranslatedCount("%1$s is larger than a profile may be (%2$s byte at most).",
                          "%1$s is larger than a profile may be (%2$s bytes at most).", maxBytes),
                {Describe(path), std::to_string(maxBytes)}));
    if (step.failure.outcome != Outcome::Cancelled)
        CloseHandle(handle);
    return step;
}

void SftpFiles::Disconnect()
{
    channel_.Finish();
}

std::string SftpFiles::Describe(const std::string& path) const
{
    return location_.host + ":" + DisplayPath(path);
}

std::string SftpFiles::WirePath(const std::string& path) const
{
    return path.empty() ? "." : path;
}
