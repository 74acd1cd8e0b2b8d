#include "app/DisplayEnvironment.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

// DISPLAY is [host]:number[.screen]; a display without a host, or on host
// "unix", is served by a local socket.
std::optional<std::string> X11Problem(const std::string& display)
{
    if (display.empty())
        return "DISPLAY is not set";
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos)
        return "DISPLAY \"" + display + "\" is not a display name";
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix")
        return std::nullopt;  // remote or forwarded displays are left to the toolkit
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    const std::string socketPath = "/tmp/.X11-unix/X" + number;
    if (AcceptsConnection(socketPath) || AcceptsConnection(std::string(1, '\0') + socketPath))
        return std::nullopt;
    return "cannot connect to X display " + display;
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
