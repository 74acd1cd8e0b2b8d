#include "CliTest.h"

#include "tests/support/FtpWorld.h"
#include "tests/support/SshWorld.h"

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const std::string kProfile = WithTeams("3/4");
const fs::path kSettingsBelow = "srv/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";

// quavel-cli with real servers: SSH (its configuration as the user's own,
// through $QUAVEL_SSH_CONFIG) and FTPS with a certificate of its own, its
// login in ~/.netrc. The server install in the Wine prefix is the third
// destination of "server".
class RemoteServers : public CliTest {
protected:
    RemoteServers()
    {
        toolEnvironment = {"QUAVEL_SSH_CONFIG=" + (ssh.path() / "ssh_config").string()};
        Write({{"Server.wst", kProfile}, {"~/.netrc", ftps.Read("netrc")}});
        world.Write(
            "wine/system.reg", InstallsRegistryText("C:\\Games\\BFV Server", "C:\\Games\\BFV"));
        fs::create_directories(ssh.home() / "srv");
        fs::create_directories(ftps.home() / "srv");
    }

    std::string FtpsUrl() const { return ftps.Url("ftps") + "/srv"; }
    // The named server's object in the JSON of targets, up to the next server's.
    static std::string ServerJson(const std::string& json, const std::string& name)
    {
        const std::size_t start = json.find("\"name\": \"" + name + "\"");
        return start == std::string::npos
            ? ""
            : json.substr(start, json.find("\"name\"", start + 1) - start);
    }
    ToolResult AddServer(
        const std::string& name, const std::string& url, const std::string& pin = {})
    {
        std::vector<std::string> arguments{"config", "add-server", name, url};
        if (!pin.empty())
            arguments.push_back(pin);
        return Run(arguments);
    }

    SshWorld ssh;
    FtpWorld ftps{FtpSecurity::Tls};
};

struct TerminalRun {
    int exitCode = -1;
    std::string screen;  // everything the terminal showed
};

// Runs the shell command on a pseudo-terminal of its own, as from a person's
// terminal, typing the answer once the screen shows the prompt.
TerminalRun RunOnTerminal(
    const std::string& command, const std::string& prompt, const std::string& answer)
{
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    TerminalRun run;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    std::array<char, 4096> buffer{};
    for (bool answered = false; std::chrono::steady_clock::now() < deadline;) {
        pollfd ready{terminal, POLLIN, 0};
        if (::poll(&ready, 1, 100) == 0)
            continue;
        const ssize_t count = ::read(terminal, buffer.data(), buffer.size());
        if (count <= 0)
            break;  // the program and its shell are gone
        run.screen.append(buffer.data(), static_cast<std::size_t>(count));
        if (!answered && run.screen.find(prompt) != std::string::npos)
            answered = ::write(terminal, answer.data(), answer.size()) > 0;
    }
    ::kill(child, SIGKILL);  // still running only after the deadline
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(terminal);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace

TEST_F(RemoteServers, AddServer_BadLocation_UsageErrorWithTheReason)
{
    struct Row {
        std::string name;
        std::vector<std::string> arguments;
        std::string reason;
    };
    const std::vector<Row> rows{
        {"UnknownScheme", {"eu1", "http://host/srv"}, "http://host/srv: "},
        {"NoHost", {"eu1", "sftp:///srv"}, "sftp:///srv: "},
        {"BadName", {"eu 1", "sftp://bfv/~/srv"}, "sftp://bfv/~/srv: A server's name may hold"},
        {"PinOnSftp", {"eu1", "sftp://bfv/~/srv", "sha256//AAAA"},
            "sftp://bfv/~/srv: Only an ftps:// server"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> arguments{"config", "add-server"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const ToolResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 2) << row.name;
        EXPECT_THAT(result.err, ::testing::HasSubstr("quavel-cli: " + row.reason)) << row.name;
    }
    EXPECT_FALSE(fs::exists(root / "home/.config/quavel/quavel.conf"));
}

// The issue's "done when": one publish reaches an SFTP server through an
// ssh alias, an FTPS server with a pinned key and the local install.
TEST_F(RemoteServers, PublishToServer_EveryServerOfTheSettingsAndTheLocalInstall)
{
    ASSERT_EQ(AddServer("eu1", "sftp://bfv/~/srv").exitCode, 0);
    ASSERT_EQ(AddServer("us1", FtpsUrl(), ftps.Pin()).exitCode, 0);
    ASSERT_EQ(AddServer("gone", "sftp://bfv/~/srv").exitCode, 0);
    ASSERT_EQ(Run({"config", "remove-server", "gone"}).exitCode, 0);
    EXPECT_EQ(Run({"config", "remove-server", "gone"}).exitCode, 1);

    const ToolResult result = Run({"publish", "Server", "--to", "server"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
        "Published to: " + HostPath(PublishedFile("BFV Server"))
            + "\nPublished to: sftp://bfv/~/srv\nPublished to: " + FtpsUrl() + "\n");
    EXPECT_EQ(FileBytes(ssh.home() / kSettingsBelow), kProfile);
    EXPECT_EQ(FileBytes(ftps.home() / kSettingsBelow), kProfile);
    // Off a terminal each step is a line of its own.
    EXPECT_THAT(result.err, ::testing::HasSubstr("eu1: connecting\n"));
    EXPECT_THAT(result.err, ::testing::HasSubstr("us1: done\n"));
    EXPECT_THAT(result.err, ::testing::Not(::testing::HasSubstr("gone")));

    const ToolResult targets = Run({"targets"});
    EXPECT_THAT(targets.out,
        ::testing::HasSubstr("Servers:\n  eu1: sftp://bfv/~/srv\n    holds: Server, published "));
}

TEST_F(RemoteServers, PublishToOneServer_OnlyThatOneAndLeftOutServersStayOut)
{
    ASSERT_EQ(AddServer("eu1", "sftp://bfv/~/srv").exitCode, 0);
    ASSERT_EQ(AddServer("us1", FtpsUrl(), ftps.Pin()).exitCode, 0);
    std::ofstream(root / "home/.config/quavel/quavel.conf", std::ios::app)
        << "[server \"us1\"]\npublish = no\n";

    const ToolResult one = Run({"publish", "Server", "--to", "server:us1"});
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(one.out, "Published to: " + FtpsUrl() + "\n");
    EXPECT_FALSE(fs::exists(ssh.home() / kSettingsBelow));
    EXPECT_THAT(ServerJson(Run({"targets", "--json"}).out, "us1"),
        ::testing::AllOf(
            ::testing::HasSubstr("\"publish\": false,\n      \"holds\": {\n        "
                                 "\"state\": \"published\",\n        \"profile\": \"Server\""),
            ::testing::HasSubstr("\"check\": null")));

    const ToolResult all = Run({"publish", "Server", "--to", "server"});
    ASSERT_EQ(all.exitCode, 0) << all.err;
    EXPECT_THAT(all.out, ::testing::Not(::testing::HasSubstr(FtpsUrl())));
    EXPECT_TRUE(fs::exists(ssh.home() / kSettingsBelow));

    // Changed there by hand: read and kept, which the rows tell as no upload.
    ssh.Write(ssh.home() / kSettingsBelow, "tuned there");
    const ToolResult kept = Run({"publish", "Server", "--to", "server:eu1"});
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_THAT(kept.err,
        ::testing::HasSubstr("eu1: connecting\neu1: failed: CustomCombat.wst in eu1 "
                             "(sftp://bfv/~/srv) was changed since it was last published"));
    EXPECT_EQ(FileBytes(ssh.home() / kSettingsBelow), "tuned there");

    EXPECT_EQ(Run({"publish", "Server", "--to", "server:nope"}).exitCode, 2);
}

// Plain FTP sends the password in the clear: every publish there says so in
// one line, to a named server as to a URL given once, and still publishes.
TEST_F(RemoteServers, PublishOverPlainFtp_WarnsEveryTimeAndPublishes)
{
    FtpWorld ftp(FtpSecurity::Plain);
    fs::create_directories(ftp.home() / "srv");
    const std::string url = ftp.Url("ftp") + "/srv";
    ASSERT_EQ(AddServer("clear", url).exitCode, 0);
    const std::string warning = "quavel-cli: " + url
        + ": Warning: 127.0.0.1 is reached by plain FTP, which sends the password and the "
          "profile unencrypted.\n";
    for (const std::string& where : {"--to-url=" + url, std::string("--to=server:clear")}) {
        fs::remove(ftp.home() / kSettingsBelow);
        const ToolResult result = Run({"publish", "Server", where});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "Published to: " + url + "\n");
        EXPECT_THAT(result.err, ::testing::HasSubstr(warning)) << where;
        EXPECT_EQ(result.err.find(warning), result.err.rfind(warning)) << where;
        EXPECT_EQ(FileBytes(ftp.home() / kSettingsBelow), kProfile) << where;
    }
}

// Without ~/.netrc the password is asked on the terminal: typed without
// echo, used, and written nowhere.
TEST_F(RemoteServers, PublishAsksThePasswordOnTheTerminal_NoEchoAndNoFileHoldsIt)
{
    fs::remove(root / "home/.netrc");
    ASSERT_EQ(AddServer("us1", ftps.Url("ftps", "quavel@") + "/srv", ftps.Pin()).exitCode, 0);
    const TerminalRun run = RunOnTerminal(Command({"publish", "Server", "--to", "server:us1"}),
        "Password for quavel@127.0.0.1: ", std::string(kFtpPassword) + "\n");
    EXPECT_EQ(run.exitCode, 0) << run.screen;
    EXPECT_THAT(run.screen, ::testing::Not(::testing::HasSubstr(kFtpPassword)));
    EXPECT_EQ(FileBytes(ftps.home() / kSettingsBelow), kProfile);
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(root)) {
        if (file.is_regular_file()) {
            EXPECT_THAT(FileBytes(file), ::testing::Not(::testing::HasSubstr(kFtpPassword)))
                << file.path();
        }
    }
}

TEST_F(RemoteServers, PublishToServer_OneFails_ExitOneAndTheOthersPublished)
{
    ASSERT_EQ(AddServer("eu1", "sftp://bfv/~/srv").exitCode, 0);
    ASSERT_EQ(AddServer("refused", "sftp://stranger/~/srv").exitCode, 0);
    const ToolResult result = Run({"publish", "Server", "--to", "server"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.out, ::testing::HasSubstr("Published to: sftp://bfv/~/srv\n"));
    EXPECT_THAT(result.err,
        ::testing::HasSubstr("quavel-cli: Error Publishing to: sftp://stranger/~/srv\n"));
    EXPECT_EQ(FileBytes(ssh.home() / kSettingsBelow), kProfile);
}

TEST_F(RemoteServers, Import_GoodFileBecomesAProfile_RefusedFileCreatesNothing)
{
    ASSERT_EQ(AddServer("eu1", "sftp://bfv/~/srv").exitCode, 0);
    fs::create_directories((ssh.home() / kSettingsBelow).parent_path());
    ssh.Write(ssh.home() / kSettingsBelow, kProfile);

    const ToolResult good = Run({"import", "server:eu1", "Copy"});
    ASSERT_EQ(good.exitCode, 0) << good.err;
    EXPECT_EQ(FileBytes(root / "work/Copy.wst"), kProfile);
    EXPECT_EQ(Run({"diff", "Copy", "@server:eu1"}).exitCode, 0);

    ssh.Write(ssh.home() / kSettingsBelow, "<gameMode>");
    const ToolResult taken = Run({"import", "server:eu1", "Copy"});
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_THAT(taken.err,
        ::testing::HasSubstr(
            Said("Could not create profile!\na profile named Copy already exists")));
    EXPECT_EQ(FileBytes(root / "work/Copy.wst"), kProfile);
    const ToolResult bad = Run({"import", "server:eu1", "Bad"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_THAT(bad.err, ::testing::HasSubstr("is refused"));
    EXPECT_FALSE(fs::exists(root / "work/Bad.wst"));
}

// A server whose check fails makes the exit status 1; scripts read the same
// findings from the JSON as words.
TEST_F(RemoteServers, TargetsCheck_TellsEachServersStateAndFailsUnlessAllAreReachable)
{
    ASSERT_EQ(AddServer("good", "sftp://bfv/~/srv").exitCode, 0);
    ASSERT_EQ(AddServer("refused", "sftp://stranger/~/srv").exitCode, 0);
    ASSERT_EQ(AddServer("missing", "sftp://bfv/~/nowhere").exitCode, 0);
    const std::string closed = "sftp://127.0.0.1:" + std::to_string(FreePort()) + "/~/srv";
    ASSERT_EQ(AddServer("closed", closed).exitCode, 0);
    std::ofstream(root / "home/.config/quavel/quavel.conf", std::ios::app)
        << "[server \"typo\"]\nurl = sftp:/bfv/srv\n";  // edited by hand
    const ToolResult known = Run({"targets", "--check"});
    EXPECT_EQ(known.exitCode, 1);
    EXPECT_THAT(known.out,
        ::testing::HasSubstr("  good: sftp://bfv/~/srv\n    holds: no "
                             "CustomCombat.wst\n    check: reachable\n"));
    EXPECT_THAT(known.out, ::testing::HasSubstr("    check: login refused: "));
    EXPECT_THAT(known.out, ::testing::HasSubstr("    check: folder missing: "));
    EXPECT_THAT(known.out,
        ::testing::HasSubstr(
            "  closed: " + closed + "\n    check: The server refused the connection"));
    // Without the check, what a server holds that cannot be reached is not
    // known, and the line says why.
    EXPECT_THAT(Run({"targets"}).out,
        ::testing::HasSubstr(
            "  closed: " + closed + "\n    holds: not known: The server refused the connection"));
    const ToolResult json = Run({"targets", "--check", "--json"});
    EXPECT_EQ(json.exitCode, 1);
    const std::pair<std::string, std::string> words[]{{"good", "reachable"},
        {"refused", "login-refused"}, {"missing", "folder-missing"}, {"closed", "unreachable"},
        {"typo", "failed"}};
    for (const auto& [name, word] : words)
        EXPECT_THAT(
            ServerJson(json.out, name), ::testing::HasSubstr("\"result\": \"" + word + "\""));

    for (const char* name : {"refused", "missing", "closed", "typo"})
        ASSERT_EQ(Run({"config", "remove-server", name}).exitCode, 0);
    // What a server holds and whether it is reachable come from one login,
    // whether it has no settings folder yet or a file there.
    std::size_t logins = ssh.Logins();
    EXPECT_EQ(Run({"targets", "--check"}).exitCode, 0);
    EXPECT_EQ(ssh.Logins(), logins + 1);
    fs::create_directories((ssh.home() / kSettingsBelow).parent_path());
    ssh.Write(ssh.home() / kSettingsBelow, kProfile);
    logins = ssh.Logins();
    EXPECT_THAT(Run({"targets", "--check"}).out,
        ::testing::HasSubstr("    holds: not published from here\n    check: reachable\n"));
    EXPECT_EQ(ssh.Logins(), logins + 1);
    fs::remove_all(ssh.home() / "srv/Mods");
    ssh.ForgetHostKey(0);
    const ToolResult unknown = Run({"targets", "--check"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_THAT(unknown.out,
        ::testing::HasSubstr("check: host key unknown: The host key of bfv is "
                             "unknown: "
            + ssh.Fingerprint(0)));
    EXPECT_THAT(unknown.out,
        ::testing::HasSubstr(
            "\n      If that is the server's key, trust it with: quavel-cli trust-host bfv\n"));
    EXPECT_THAT(ServerJson(Run({"targets", "--check", "--json"}).out, "good"),
        ::testing::HasSubstr("\"result\": \"host-key-unknown\",\n        \"reason\": \"The host "
                             "key of bfv is unknown: "
            + ssh.Fingerprint(0)));

    const ToolResult trusted = Run({"trust-host", "bfv"});
    ASSERT_EQ(trusted.exitCode, 0) << trusted.err;
    EXPECT_THAT(trusted.out, ::testing::HasSubstr(ssh.Fingerprint(0)));
    EXPECT_THAT(Run({"targets", "--check"}).out,
        ::testing::HasSubstr("  good: sftp://bfv/~/srv\n    holds: no CustomCombat.wst\n    "
                             "check: reachable\n"));
}

TEST_F(RemoteServers, TrustHost_ChangedKey_RefusedAndKnownHostsKept)
{
    ssh.ReplaceHostKey();
    const std::string before = ssh.Read("known_hosts");
    const ToolResult result = Run({"trust-host", "bfv"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(
        result.err, ::testing::HasSubstr("quavel-cli: WARNING: the host key of bfv has changed"));
    EXPECT_EQ(ssh.Read("known_hosts"), before);
    ASSERT_EQ(AddServer("eu1", "sftp://bfv/~/srv").exitCode, 0);
    const ToolResult publish = Run({"publish", "Server", "--to", "server:eu1"});
    EXPECT_EQ(publish.exitCode, 1);
    EXPECT_THAT(publish.err, ::testing::HasSubstr("WARNING: the host key"));
    EXPECT_FALSE(fs::exists(ssh.home() / kSettingsBelow));
}
