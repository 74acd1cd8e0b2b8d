#include "app/DisplayEnvironment.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

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

// libxcb's own reading of DISPLAY ("host:number.screen", a socket path, ...),
// which the toolkit's connection uses as well.
std::optional<std::string> X11Problem(const std::string& display)
{
    if (display.empty())
        return std::string(Translated("DISPLAY is not set"));
    char* host = nullptr;
    int number = 0;
    int screen = 0;
    const int parsed = xcb_parse_display(display.c_str(), &host, &number, &screen);
    std::free(host);
    if (parsed == 0)
        return Formatted(Translated("DISPLAY \"%s\" is not a display name"), {display});
    return std::nullopt;
}

std::filesystem::path WaylandSocket(const DisplayEnvironment& environment)
{
    const std::filesystem::path name(environment.waylandDisplay);
    return name.is_absolute() ? name : std::filesystem::path(environment.runtimeFolder) / name;
}

std::string WaylandFailure(const DisplayEnvironment& environment)
{
    return Formatted(
        Translated("cannot connect to Wayland display %s"), {WaylandSocket(environment).string()});
}

std::optional<std::string> WaylandProblem(const DisplayEnvironment& environment)
{
    if (environment.waylandDisplay.empty())
        return std::string(Translated("WAYLAND_DISPLAY is not set"));
    if (AcceptsConnection(WaylandSocket(environment).native()))
        return std::nullopt;
    return WaylandFailure(environment);
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

// A platform that passed the environment's checks and still failed.
std::string ConnectionFailure(const DisplayEnvironment& environment, const std::string& platform,
    std::string_view errorOutput)
{
    if (platform == "xcb")
        return Formatted(Translated("cannot connect to X display %s"), {environment.display})
            + (errorOutput.empty() ? "" : ": " + std::string(errorOutput));
    if (platform.starts_with("wayland"))
        return WaylandFailure(environment);
    return Formatted(Translated("cannot start the platform %s"), {platform});
}

}  // namespace

DisplayEnvironment DisplayEnvironment::FromProcess()
{
    return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"),
        Variable("XDG_RUNTIME_DIR")};
}

std::vector<std::string> DisplayEnvironment::Platforms() const
{
    // Without a choice the toolkit tries Wayland, then X11.
    return qpaPlatform.empty() ? std::vector<std::string>{"wayland", "xcb"}
                               : SplitPlatforms(qpaPlatform);
}

std::optional<std::string> DisplayEnvironment::UnreachableReason() const
{
    std::string reasons;
    for (const std::string& platform : Platforms()) {
        const std::optional<std::string> problem = PlatformProblem(*this, platform);
        if (!problem)
            return std::nullopt;
        reasons += (reasons.empty() ? "" : "; ") + *problem;
    }
    return reasons;
}

std::string DisplayEnvironment::FailureReason(std::string_view errorOutput) const
{
    std::string reasons;
    for (const std::string& platform : Platforms()) {
        const std::string reason = PlatformProblem(*this, platform)
                                       .value_or(ConnectionFailure(*this, platform, errorOutput));
        reasons += (reasons.empty() ? "" : "; ") + reason;
    }
    return reasons;
}

std::string DisplayEnvironment::NoDisplayMessage(const std::string& reason)
{
    return Formatted(Translated("no display to open the window on (%s)"), {reason});
}
