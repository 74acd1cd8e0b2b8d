#pragma once

// Whether the window system can be reached, so that a program without a
// usable display says so in one line instead of aborting inside the
// toolkit's platform plugin. The environment alone tells the commonest
// cases before the toolkit starts (no display set, no Wayland compositor
// listening); an X server that is missing, refuses the connection (no
// authority, wrong cookie) or hangs up is found by the toolkit's own
// connection, whose failure ToolkitStartGuard turns into the same one line.
// So a start that works opens no connection of its own.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DisplayEnvironment {
    std::string qpaPlatform;     // QT_QPA_PLATFORM: empty, a name, or names separated by ';'
    std::string display;         // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string runtimeFolder;   // XDG_RUNTIME_DIR

    static DisplayEnvironment FromProcess();

    // Why no display can be reached as far as the environment tells
    // ("DISPLAY is not set", reasons for several platforms joined by "; "),
    // or none when one may be. Platforms that need no display server
    // (offscreen, minimal, vnc, ...) always can.
    std::optional<std::string> UnreachableReason() const;
    // Why the toolkit, having tried every platform, opened none: each one's
    // reason, where the X library's own words on a refusal (what it wrote to
    // the error stream, errorOutput) tell why a server turned it away.
    std::string FailureReason(std::string_view errorOutput) const;

    // The line the program ends with when it has no display, after its name.
    static std::string NoDisplayMessage(const std::string& reason);

private:
    std::vector<std::string> Platforms() const;
};
