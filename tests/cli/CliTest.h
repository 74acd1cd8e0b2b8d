#pragma once

#include "tests/support/Documents.h"
#include "tests/support/FakeWinePrefix.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Bytes by file: a plain name lies in the working folder, "c:/..." on drive C of
// the Wine prefix, "~/..." in the home folder. kFolder stands for an empty
// folder. Bytes write the test's folders as placeholders, as arguments do.
using Files = std::map<std::string, std::string>;
inline constexpr std::string_view kFolder = "<folder>";
using TextMatcher = ::testing::Matcher<const std::string&>;

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// What the tool writes to its error stream for a message: every line after
// "quavel-cli: ", as GNU tools write theirs.
std::string Said(std::string_view message);

// The text as one word of a shell command, every byte as it is.
std::string ShellQuoted(std::string_view text);

// ARVN against US Army; blue Scout without its alternative kit, red weapon slot
// #2 off, the UAZ replaced by the T-54, and the OH-6 by a vehicle the game lacks.
std::string EditedDocument();
// "c:/Games/INSTALL/..." where publishing writes for an install in C:\Games.
std::string PublishedFile(std::string_view install);
// The path by which the tool reaches a file of Files, as output shows it.
std::string HostPath(const std::string& file);
// A file of tests/cli/data: output too long to read well in a row.
std::string DataFile(std::string_view name);

// One run of the tool: the world before, the command line, what it prints and
// what it changes. Arguments and expected output write the folders of the
// world as {cwd}, {wine} (the Wine prefix) and {home}.
struct Tool {
    std::string name;
    std::vector<std::string> arguments;
    Files files = {};
    // The Wine prefix's system.reg: by default the server and the game in C:\Games.
    std::string registry = InstallsRegistryText("C:\\Games\\BFV Server", "C:\\Games\\BFV");
    int exitCode = 0;
    TextMatcher out = "";
    TextMatcher err = "";
    Files changes = {};      // written or replaced; every other file stays as it was
    std::string input = {};  // standard input

    Tool Reading(std::string text) && { return Set(&Tool::input, std::move(text)); }
    Tool WithRegistry(std::string text) && { return Set(&Tool::registry, std::move(text)); }
    Tool Prints(TextMatcher text) && { return Set(&Tool::out, std::move(text)); }
    Tool Fails(int status, TextMatcher text) &&
    {
        return Set(&Tool::exitCode, status).Set(&Tool::err, std::move(text));
    }
    Tool Writes(Files written) && { return Set(&Tool::changes, std::move(written)); }

private:
    template <typename Field, typename Value> Tool Set(Field Tool::*field, Value value)
    {
        this->*field = std::move(value);
        return std::move(*this);
    }
};

// Test names and failure messages show a run by its name.
void PrintTo(const Tool& tool, std::ostream* out);

// Who runs the tool: a user other than root, so that files this user may not
// read stay unread also when the tests run as root (they run as "nobody" then).
enum class Account { Current, Unprivileged };

// Each test runs the real tool in a world of its own, a fresh temporary folder:
// the working folder work/, a Wine prefix wine/ with an empty drive C and no
// registry, home/ whose .wine is that prefix, and state/, the tool's
// $XDG_STATE_HOME ({state}), which snapshots leave out.
class CliTest : public ::testing::Test {
protected:
    CliTest();

    // The shell command, a subshell, that runs the tool in {cwd} with
    // WINEPREFIX={wine}, HOME={home}, XDG_STATE_HOME={state} and no XDG_CONFIG_HOME.
    std::string Command(
        const std::vector<std::string>& arguments, Account account = Account::Current) const;
    ToolResult Run(const std::vector<std::string>& arguments, const std::string& input = {},
        Account account = Account::Current) const;
    // Runs each command line in a tool of its own, all at once; the exit code
    // is 0 when every one exited with 0.
    ToolResult RunAtOnce(const std::vector<std::vector<std::string>>& commandLines) const;
    void Write(const Files& files) const;
    // Every file and every empty folder of the working folder, drive C and home.
    Files Snapshot() const;

    TestFolder world;
    const std::filesystem::path& root = world.path();
    // NAME=value entries every run of the tool adds to its environment.
    std::vector<std::string> toolEnvironment;
    // The locale's variables the tool runs with, as NAME=VALUE words; LC_ALL,
    // LC_MESSAGES and LANGUAGE are unset first. By default the English texts,
    // whatever language the person running the tests reads.
    std::string locale = "LC_MESSAGES=C";

private:
    // Runs the shell command with its output in files, so that nothing can block.
    ToolResult RunShell(const std::string& command, const std::string& input = {}) const;
    std::string Expand(std::string text) const;
    std::string Placeholders(std::string text) const;
};

class CliRun : public CliTest, public ::testing::WithParamInterface<Tool> { };
