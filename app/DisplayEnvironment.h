#pragma once

// Whether the window system can be reached, decided before the toolkit starts
// from the environment and one trial connection, so that a program without a
// usable display says so in one line instead of aborting inside the toolkit's
// platform plugin: no display set, no server listening, or an X server that
// refuses the connection (no authority, wrong cookie).

#include <optional>
#include <string>

struct DisplayEnvironment {
    std::string qpaPlatform;     // QT_QPA_PLATFORM: empty, a name, or names separated by ';'
    std::string display;         // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string runtimeFolder;   // XDG_RUNTIME_DIR

    static DisplayEnvironment FromProcess();

    // Why no display can be reached ("DISPLAY is not set", reasons for several
    // platforms joined by "; "), or none when one can. Platforms that need no
    // display server (offscreen, minimal, vnc, ...) always can.
    std::optional<std::string> UnreachableReason() const;
};
