#pragma once

#include "tests/support/Documents.h"
#include "tests/support/FakeWinePrefix.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Bytes by file: a plain name lies in the working folder, "c:/..." on drive C of
// the Wine prefix, "~/..." in the home folder. kFolder stands for an empty
// folder. Bytes write the test's folders as placeholders, as arguments do.
using Files = std::map<std::string, std::string>;
inline constexpr std::string_view kFolder = "<folder>";
// Changes to the tool's environment: a value sets the variable, none unsets it.
using EnvironmentChanges = std::map<std::string, std::optional<std::string>>;
using TextMatcher = ::testing::Matcher<const std::string&>;

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// ARVN against US Army; blue Scout without its alternative kit, red weapon slot
// #2 off, the UAZ replaced by the T-54, and the OH-6 by a vehicle the game lacks.
std::string EditedDocument();
// "c:/Games/INSTALL/..." where publishing writes for an install in C:\Games.
std::string SettingsFile(std::string_view install);
// The path by which the tool reaches a file of Files, as output shows it.
std::string HostPath(const std::string& file);

// One run of the tool: the world before, the command line, what it prints and
// what it changes. Arguments, environment values and expected output write the
// folders of the world as {cwd}, {wine} (the Wine prefix) and {home}.
struct Scenario {
    std::string name = {};
    std::vector<std::string> arguments = {};
    Files files = {};
    // By default the server and the game are installed in C:\Games.
    std::optional<std::string> registry
        = InstallsRegistryText("C:\\Games\\BFV Server", "C:\\Games\\BFV");
    EnvironmentChanges environment = {};  // over WINEPREFIX={wine}, HOME={home}, no XDG_CONFIG_HOME
    int exitCode = 0;
    TextMatcher out = "";
    TextMatcher err = "";
    Files changes = {};  // written or replaced; every other file stays as it was

    Scenario WithRegistry(std::string text) && { return Set(&Scenario::registry, std::move(text)); }
    Scenario WithoutRegistry() && { return Set(&Scenario::registry, std::nullopt); }
    Scenario WithEnvironment(EnvironmentChanges more) &&
    {
        return Set(&Scenario::environment, more);
    }
    Scenario Prints(TextMatcher text) && { return Set(&Scenario::out, std::move(text)); }
    Scenario Fails(int status, TextMatcher text) &&
    {
        return Set(&Scenario::exitCode, status).Set(&Scenario::err, std::move(text));
    }
    Scenario Writes(Files written) && { return Set(&Scenario::changes, std::move(written)); }

private:
    template <typename Field, typename Value> Scenario Set(Field Scenario::*field, Value value)
    {
        this->*field = std::move(value);
        return std::move(*this);
    }
};

// A run that prints nothing, changes nothing and succeeds, until told otherwise.
Scenario Tool(std::string name, std::vector<std::string> arguments, Files files = {});

// Test names and failure messages show a scenario by its name.
void PrintTo(const Scenario& scenario, std::ostream* out);

// Each test runs the real tool in a world of its own, a fresh temporary folder:
// the working folder work/, a Wine prefix wine/ with an empty drive C and no
// registry, and home/ whose .wine is that prefix.
class CliTest : public ::testing::Test {
protected:
    CliTest();

    ToolResult Run(const std::vector<std::string>& arguments,
        const EnvironmentChanges& environment = {}) const;
    void Write(const Files& files) const;
    // Every file and every empty folder of the working folder, drive C and home.
    Files Snapshot() const;

    TestFolder world;
    const std::filesystem::path& root = world.path();

private:
    std::string Expand(std::string text) const;
    std::string Placeholders(std::string text) const;
};

class CliRun : public CliTest, public ::testing::WithParamInterface<Scenario> { };
