#include "transport/AskpassServer.h"

#include "transport/AskpassProtocol.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHelperName = "quavel-askpass";
constexpr timeval kHelperTimeout{5, 0};  // a helper that connects and says nothing

fs::path PrivateFolderBase()
{
    std::error_code error;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime && *runtime && fs::is_directory(runtime, error))
        return runtime;
    return fs::temp_directory_path(error);
}

bool IsHostKeyQuestion(std::string_view prompt)
{
    return prompt.find("continue connecting") != std::string_view::npos
        || prompt.find("(yes/no") != std::string_view::npos;
}

bool SentBySameUser(int connection)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
        && peer.uid == ::getuid();
}

std::string ReadAll(int connection)
{
    std::string text;
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = ::read(connection, buffer.data(), buffer.size());
        if (got <= 0 && !(got < 0 && errno == EINTR))
            return text;
        if (got > 0 && text.size() < kAskpassMessageLimit)
            text.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

void WriteAll(int connection, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Overwritten before it is freed, so that no password lingers in freed memory.
void Scrub(std::string& secret)
{
    volatile char* bytes = secret.data();
    for (std::size_t index = 0; index < secret.size(); ++index)
        bytes[index] = 0;
    secret.clear();
}

}  // namespace

AskpassServer::AskpassServer(fs::path helper)
    : helper_(helper.empty() ? DefaultAskpassProgram() : std::move(helper))
{
    std::string pattern = (PrivateFolderBase() / "quavel-askpass-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {  // mode 0700
        error_ = errno;
        return;
    }
    folder_ = pattern;
    const std::string socketPath = (folder_ / "socket").string();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        error_ = ENAMETOOLONG;
        return;
    }
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    listener_ = FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!listener_.IsOpen()
        || ::bind(listener_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::listen(listener_.get(), 4) != 0)
        error_ = errno;
}

AskpassServer::~AskpassServer()
{
    listener_.Close();
    if (!folder_.empty()) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
}

std::vector<std::string> AskpassServer::Environment() const
{
    return {"SSH_ASKPASS=" + helper_.string(), "SSH_ASKPASS_REQUIRE=force",
        std::string(kAskpassSocketVariable) + "=" + (folder_ / "socket").string()};
}

void AskpassServer::AnswerOne(const CredentialSource& credentials, const std::string& destination)
{
    const FileDescriptor connection(::accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!connection.IsOpen() || !SentBySameUser(connection.get()))
        return;
    ::setsockopt(connection.get(), SOL_SOCKET, SO_RCVTIMEO, &kHelperTimeout, sizeof kHelperTimeout);
    const std::string prompt = ReadAll(connection.get());
    std::optional<std::string> answer;
    if (IsHostKeyQuestion(prompt))
        refusedHostKeyQuestion_ = prompt;
    else if (credentials)
        answer = credentials({destination, prompt});
    if (!answer || answer->size() > kAskpassMessageLimit) {
        WriteAll(connection.get(), std::string_view(&kAnswerDeclined, 1));
        return;
    }
    answer->insert(answer->begin(), kAnswerGiven);
    WriteAll(connection.get(), *answer);
    Scrub(*answer);
}

fs::path DefaultAskpassProgram()
{
    std::error_code error;
    const fs::path beside = fs::read_symlink("/proc/self/exe", error).parent_path() / kHelperName;
    if (!error && fs::exists(beside, error))
        return beside;
    return fs::path(QUAVEL_LIBEXEC_DIR) / kHelperName;
}
