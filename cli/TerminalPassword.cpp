#include "cli/TerminalPassword.h"

#include "profile/FileDescriptor.h"
#include "text/Translated.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Echo off while it lives, and back as it was after.
class EchoOff {
public:
    explicit EchoOff(int terminal)
        : terminal_(terminal)
    {
        if (::tcgetattr(terminal_, &saved_) != 0)
            return;
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        active_ = ::tcsetattr(terminal_, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff()
    {
        if (active_)
            ::tcsetattr(terminal_, TCSAFLUSH, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int terminal_;
    termios saved_{};
    bool active_ = false;
};

}  // namespace

std::optional<std::string> AskOnTerminal(const CredentialQuestion& question)
{
    const FileDescriptor terminal(::open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY));
    if (!terminal.IsOpen())
        return std::nullopt;
    // Echo goes off before the prompt shows, so that nothing typed as soon as
    // it appears is echoed.
    const EchoOff echoOff(terminal.get());
    const std::string prompt = question.destination + ": "
        + (question.prompt.empty() ? Translated("Password: ") : question.prompt);
    if (::write(terminal.get(), prompt.data(), prompt.size()) < 0)
        return std::nullopt;
    std::string answer;
    char byte = 0;
    while (::read(terminal.get(), &byte, 1) == 1) {
        if (byte == '\n')
            return answer;
        answer += byte;
    }
    return std::nullopt;
}
