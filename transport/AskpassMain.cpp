// quavel-askpass: the SSH_ASKPASS program that ssh runs when it needs a
// password or passphrase while Quavel publishes. It hands ssh's prompt to the
// Quavel process that started ssh, over the socket named in the environment,
// and prints the answer for ssh; exit status 1 when there is none.

#include "transport/AskpassProtocol.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

int main(int argumentCount, char** arguments)
{
    const char* socketPath = std::getenv(std::string(kAskpassSocketVariable).c_str());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath == nullptr || std::strlen(socketPath) >= sizeof address.sun_path)
        return 1;
    std::strcpy(address.sun_path, socketPath);
    const int connection = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (connection < 0
        || ::connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return 1;
    const std::string_view prompt = argumentCount > 1 ? arguments[1] : "";
    if (!WriteAll(connection, prompt.substr(0, kAskpassMessageLimit)))
        return 1;
    ::shutdown(connection, SHUT_WR);
    std::string answer;
    std::array<char, 4096> buffer{};
    for (ssize_t got; (got = ::read(connection, buffer.data(), buffer.size())) > 0;)
        answer.append(buffer.data(), static_cast<std::size_t>(got));
    if (answer.empty() || answer.front() != kAnswerGiven)
        return 1;
    answer.push_back('\n');  // ssh reads one line
    return WriteAll(STDOUT_FILENO, std::string_view(answer).substr(1)) ? 0 : 1;
}
