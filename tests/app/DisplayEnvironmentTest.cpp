#include "app/DisplayEnvironment.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QProcess>
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <thread>

namespace {

std::string RandomDisplayNumber()
{
    std::random_device seed;
    return std::to_string(std::uniform_int_distribution<int>(100000, 999999)(seed));
}

// An X server socket (abstract, display :number) that accepts one client
// and answers its connection set-up with `answer`, then hangs up.
class FakeXServer {
public:
    FakeXServer(const std::string& number, std::string answer)
    {
        const std::string path = std::string(1, '\0') + "/tmp/.X11-unix/X" + number;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.data(), path.size());
        handle_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
        if (::bind(handle_, reinterpret_cast<const sockaddr*>(&address), length) != 0
            || ::listen(handle_, 1) != 0)
            throw std::runtime_error("cannot listen");
        server_ = std::thread([this, answer = std::move(answer)] {
            const int client = ::accept(handle_, nullptr, nullptr);
            char request[64];
            [[maybe_unused]] const auto got = ::read(client, request, sizeof request);
            [[maybe_unused]] const auto sent = ::write(client, answer.data(), answer.size());
            ::close(client);
        });
    }
    ~FakeXServer()
    {
        ::shutdown(handle_, SHUT_RDWR);
        server_.join();
        ::close(handle_);
    }
    FakeXServer(const FakeXServer&) = delete;
    FakeXServer& operator=(const FakeXServer&) = delete;

private:
    int handle_ = -1;
    std::thread server_;
};

// The server's "Failed" set-up reply: status 0, reason length, protocol
// 11.0, the reason's length in 4-byte units, the reason padded to them.
std::string RefusalWithReason(const std::string& reason)
{
    std::string padded = reason + std::string((4 - reason.size() % 4) % 4, '\0');
    const char header[8] = {
        0, static_cast<char>(reason.size()), 11, 0, 0, 0, static_cast<char>(padded.size() / 4), 0};
    return std::string(header, sizeof header) + padded;
}

// What the environment tells before the toolkit starts; a display that is
// set and well formed is left to the toolkit's own connection.
TEST(DisplayEnvironmentTest, UnreachableDisplaysAreNamed)
{
    struct Case {
        DisplayEnvironment environment;
        std::string expected;  // empty: may be reached
    };
    const Case cases[] = {
        {{"", "", "", ""}, "WAYLAND_DISPLAY is not set; DISPLAY is not set"},
        {{"xcb", "nonsense", "", ""}, "DISPLAY \"nonsense\" is not a display name"},
        {{"wayland", "", "wayland-404", "/nonexistent"},
            "cannot connect to Wayland display /nonexistent/wayland-404"},
        {{"wayland;xcb", "", "wayland-404", "/nonexistent"},
            "cannot connect to Wayland display /nonexistent/wayland-404; DISPLAY is not set"},
        {{"offscreen:size=800x600", "", "", ""}, ""},
        {{"xcb", "localhost:7.1", "", ""}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.environment.UnreachableReason().value_or(""), c.expected)
            << c.environment.qpaPlatform << " " << c.environment.display;
}

// The real program, each time with an X server that cannot be used: it says
// why in one line and fails, without the toolkit's page of plugin advice.
TEST(DisplayEnvironmentTest, ProgramWithoutAUsableDisplaySaysSoInOneLineAndFails)
{
    struct Case {
        const char* name;
        std::optional<std::string> serverAnswer;  // none: no server at all
        std::string reason;                       // after the display's name
    };
    const Case cases[] = {
        {"refuses with a reason", RefusalWithReason("No protocol specified"),
            ": No protocol specified"},
        {"hangs up without a word", std::string(), ""},
        {"is not there", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const std::string number = RandomDisplayNumber();
        std::optional<FakeXServer> server;
        if (c.serverAnswer)
            server.emplace(number, *c.serverAnswer);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", QString::fromStdString(":" + number));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QUAVEL_EXECUTABLE, {});
        ASSERT_TRUE(program.waitForFinished(30000)) << c.name;

        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(program.exitCode(), 1) << c.name;
        EXPECT_EQ(program.readAllStandardError().toStdString(),
            "quavel: no display to open the window on (cannot connect to X display :" + number
                + c.reason + ")\n")
            << c.name;
    }
}

}  // namespace
