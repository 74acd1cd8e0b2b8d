#include "app/DisplayEnvironment.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace {

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::vector<std::string> SplitPlatforms(std::string_view list)
{
    std::vector<std::string> names;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(';'), list.size());
        // A name may carry options after a colon: "xcb:nograb".
        const std::string_view entry = list.substr(0, end);
        names.emplace_back(entry.substr(0, entry.find(':')));
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return names;
}

// A stream socket at this address accepts a connection; a leading '\0' in
// the path names a Linux abstract socket.
bool AcceptsConnection(std::string_view address)
{
    sockaddr_un socketAddress{};
    if (address.empty() || address.size() >= sizeof(socketAddress.sun_path))
        return false;
    socketAddress.sun_family = AF_UNIX;
    std::memcpy(socketAddress.sun_path, address.data(), address.size());
    // Non-blocking, so that a listener with a full backlog cannot hang the start.
    const int handle = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (handle < 0)
        return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + address.size());
    const bool connected
        = ::connect(handle, reinterpret_cast<const sockaddr*>(&socketAddress), length) == 0
        || errno == EAGAIN;  // someone listens there, only busy
    ::close(handle);
    return connected;
}

// Catches what is written to the error stream while it lives. A pipe holds
// 64 KiB before a writer blocks, far more than the line or two caught here.
class ErrorStreamCapture {
public:
    ErrorStreamCapture()
    {
        if (::pipe2(pipe_, O_CLOEXEC) != 0)
            return;
        savedStream_ = ::dup(STDERR_FILENO);
        ::dup2(pipe_[1], STDERR_FILENO);
    }
    ~ErrorStreamCapture()
    {
        Restore();
        ::close(pipe_[0]);
    }
    ErrorStreamCapture(const ErrorStreamCapture&) = delete;
    ErrorStreamCapture& operator=(const ErrorStreamCapture&) = delete;

    // Ends the capture: what was written, without the white space around it.
    std::string Finish()
    {
        Restore();
        std::string text;
        char buffer[256];
        for (ssize_t got; (got = ::read(pipe_[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(got));
        const std::size_t first = text.find_first_not_of(" \n");
        return first == std::string::npos
            ? std::string()
            : text.substr(first, text.find_last_not_of(" \n") - first + 1);
    }

private:
    void Restore()
    {
        if (savedStream_ < 0)
            return;
        ::dup2(savedStream_, STDERR_FILENO);
        ::close(savedStream_);
        savedStream_ = -1;
        ::close(pipe_[1]);
    }

    int pipe_[2] = {-1, -1};
    int savedStream_ = -1;
};

// Connects the way the toolkit will, authority and connection set-up
// included, so that a server that refuses us is found here too. libxcb
// writes the server's reason for a refusal straight to the error stream;
// caught there, it becomes part of the one-line message.
std::optional<std::string> X11Problem(const std::string& display)
{
    if (display.empty())
        return "DISPLAY is not set";
    // Left open until the program ends: when its last client leaves, a bare X
    // server (Xvfb, xinit) resets, and would still be resetting when the
    // toolkit connects a moment later.
    static std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> trialConnection(
        nullptr, xcb_disconnect);
    ErrorStreamCapture capture;
    trialConnection.reset(xcb_connect(display.c_str(), nullptr));
    const int error = xcb_connection_has_error(trialConnection.get());
    const std::string refusal = capture.Finish();
    if (error == 0)
        return std::nullopt;
    if (error == XCB_CONN_CLOSED_PARSE_ERR)
        return "DISPLAY \"" + display + "\" is not a display name";
    return "cannot connect to X display " + display + (refusal.empty() ? "" : ": " + refusal);
}

std::optional<std::string> WaylandProblem(const DisplayEnvironment& environment)
{
    if (environment.waylandDisplay.empty())
        return "WAYLAND_DISPLAY is not set";
    const std::filesystem::path name(environment.waylandDisplay);
    const std::filesystem::path socketPath
        = name.is_absolute() ? name : std::filesystem::path(environment.runtimeFolder) / name;
    if (AcceptsConnection(socketPath.native()))
        return std::nullopt;
    return "cannot connect to Wayland display " + socketPath.string();
}

std::optional<std::string> PlatformProblem(
    const DisplayEnvironment& environment, const std::string& platform)
{
    if (platform == "xcb")
        return X11Problem(environment.display);
    if (platform.starts_with("wayland"))
        return WaylandProblem(environment);
    return std::nullopt;
}

}  // namespace

DisplayEnvironment DisplayEnvironment::FromProcess()
{
    return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"),
        Variable("XDG_RUNTIME_DIR")};
}

std::optional<std::string> DisplayEnvironment::UnreachableReason() const
{
    // Without a choice the toolkit tries Wayland, then X11.
    const std::vector<std::string> platforms = qpaPlatform.empty()
        ? std::vector<std::string>{"wayland", "xcb"}
        : SplitPlatforms(qpaPlatform);
    std::string reasons;
    for (const std::string& platform : platforms) {
        const std::optional<std::string> problem = PlatformProblem(*this, platform);
        if (!problem)
            return std::nullopt;
        reasons += (reasons.empty() ? "" : "; ") + *problem;
    }
    return reasons;
}
