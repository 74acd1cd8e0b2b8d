#include "app/DisplayEnvironment.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <string>

namespace {

// A listening Unix socket at a path, or in the abstract namespace when the
// path starts with '\0'; closed (and its file removed) at the end of the test.
// It accepts nobody, so a full backlog shows as well.
class ListeningSocket {
public:
    explicit ListeningSocket(std::string path)
        : path_(std::move(path))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path_.data(), path_.size());
        handle_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path_.size());
        bound_ = ::bind(handle_, reinterpret_cast<const sockaddr*>(&address), length) == 0
            && ::listen(handle_, 0) == 0;
    }
    ~ListeningSocket()
    {
        ::close(handle_);
        if (!path_.starts_with('\0'))
            std::filesystem::remove(path_);
    }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

    bool bound() const { return bound_; }

private:
    std::string path_;
    int handle_ = -1;
    bool bound_ = false;
};

std::string RandomDisplayNumber()
{
    std::random_device seed;
    return std::to_string(std::uniform_int_distribution<int>(100000, 999999)(seed));
}

std::filesystem::path MakeTemporaryFolder()
{
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("quavel-display-" + RandomDisplayNumber());
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(DisplayEnvironmentTest, PlatformsWithoutADisplayServerAlwaysStart)
{
    for (const char* platform :
        {"offscreen", "minimal", "vnc", "offscreen:size=800x600", "eglfs"}) {
        const DisplayEnvironment environment{platform, "", "", ""};
        EXPECT_FALSE(environment.UnreachableReason().has_value()) << platform;
    }
}

TEST(DisplayEnvironmentTest, MissingDisplaysAreNamed)
{
    struct Case {
        DisplayEnvironment environment;
        const char* expected;
    };
    const std::string unusedDisplay = ":" + RandomDisplayNumber();
    const Case cases[] = {
        {{"", "", "", ""}, "WAYLAND_DISPLAY is not set; DISPLAY is not set"},
        {{"xcb", "", "", ""}, "DISPLAY is not set"},
        {{"wayland", "", "", ""}, "WAYLAND_DISPLAY is not set"},
        {{"xcb", "nonsense", "", ""}, "DISPLAY \"nonsense\" is not a display name"},
        {{"xcb", unusedDisplay, "", ""}, nullptr},
        {{"wayland;xcb", "", "wayland-404", "/nonexistent"}, nullptr},
    };
    for (const Case& c : cases) {
        const auto reason = c.environment.UnreachableReason();
        ASSERT_TRUE(reason.has_value()) << c.environment.qpaPlatform;
        if (c.expected != nullptr) {
            EXPECT_EQ(*reason, c.expected);
        }
    }
}

TEST(DisplayEnvironmentTest, UnusedLocalXDisplayIsReportedByName)
{
    const std::string display = ":" + RandomDisplayNumber();
    const auto reason = DisplayEnvironment{"xcb", display, "", ""}.UnreachableReason();
    EXPECT_EQ(reason, "cannot connect to X display " + display);
}

TEST(DisplayEnvironmentTest, ListeningXServerSocketIsReachable)
{
    const std::string number = RandomDisplayNumber();
    const ListeningSocket server(std::string(1, '\0') + "/tmp/.X11-unix/X" + number);
    ASSERT_TRUE(server.bound());
    for (const std::string& display : {":" + number, ":" + number + ".0", "unix:" + number}) {
        EXPECT_FALSE(DisplayEnvironment({"xcb", display, "", ""}).UnreachableReason().has_value())
            << display;
        EXPECT_FALSE(DisplayEnvironment({"", display, "", ""}).UnreachableReason().has_value())
            << display;
    }
}

TEST(DisplayEnvironmentTest, RemoteXDisplayIsLeftToTheToolkit)
{
    EXPECT_FALSE(DisplayEnvironment({"xcb", "otherhost:10.0", "", ""}).UnreachableReason());
}

TEST(DisplayEnvironmentTest, ListeningWaylandSocketIsReachable)
{
    const std::filesystem::path folder = MakeTemporaryFolder();
    {
        const ListeningSocket compositor((folder / "wayland-7").string());
        ASSERT_TRUE(compositor.bound());
        EXPECT_FALSE(DisplayEnvironment({"wayland", "", "wayland-7", folder.string()})
                         .UnreachableReason()
                         .has_value());
        EXPECT_FALSE(DisplayEnvironment({"", "", (folder / "wayland-7").string(), "/nonexistent"})
                         .UnreachableReason()
                         .has_value());
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
