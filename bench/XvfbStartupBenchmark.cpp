// Start-up of the editor against the same window built from plain Qt
// controls and against a bare Qt dialog with one label, all on a real X
// server (an Xvfb of its own, started for the run), as players start it on a
// desktop: the window system's connection, fonts and first frame included.
// ProbeRunner.h tells what is measured.

#include "bench/ProbeRunner.h"

#include <signal.h>

#include <string>

namespace {

// Xvfb on a free display, ended with the run. -noreset: without it the
// server resets whenever a probe, its last client, leaves, and the next
// probe could find it resetting.
class XvfbServer {
public:
    XvfbServer()
    {
        int numberPipe[2];
        if (::pipe(numberPipe) != 0)
            throw std::runtime_error("pipe failed");
        const std::string displayFd = std::to_string(numberPipe[1]);
        const char* arguments[]
            = {"Xvfb", "-displayfd", displayFd.c_str(), "-noreset", "-nolisten", "tcp", nullptr};
        if (::posix_spawnp(
                &process_, "Xvfb", nullptr, nullptr, const_cast<char* const*>(arguments), environ)
            != 0)
            throw std::runtime_error("cannot start Xvfb");
        ::close(numberPipe[1]);
        char number[16] = {};
        const ssize_t got = ::read(numberPipe[0], number, sizeof number - 1);
        ::close(numberPipe[0]);
        if (got <= 0)
            throw std::runtime_error("Xvfb named no display");
        display_ = ":" + std::to_string(std::stoi(number));
    }
    ~XvfbServer()
    {
        ::kill(process_, SIGTERM);
        ::waitpid(process_, nullptr, 0);
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& display() const { return display_; }

private:
    pid_t process_ = 0;
    std::string display_;
};

}  // namespace

int main(int argc, char** argv)
{
    const XvfbServer server;
    ::setenv("DISPLAY", server.display().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    return probes::RunStartupBenchmarks(
        argc, argv, {MAIN_WINDOW_PROBE, BARE_DIALOG_PROBE, PLAIN_CONTROLS_PROBE}, false);
}
