#include "CliTest.h"

#include <array>

namespace {

struct UsageCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* message;
};

const std::array<UsageCase, 13> kUsageCases{{
    {"NoCommand", {}, "quavel-cli: No command given.\n"},
    {"UnknownCommand", {"frobnicate"}, "Unknown command \"frobnicate\"."},
    {"MissingName", {"show"}, "Too few arguments for show."},
    {"TooManyArguments", {"show", "a", "b"}, "Too many arguments for show."},
    {"ArgumentForList", {"list", "extra"}, "Too many arguments for list."},
    {"UnknownOption", {"show", "a", "--bogus"}, "Unknown option \"--bogus\" for show."},
    {"OptionOfAnotherCommand", {"list", "--json"}, "Unknown option \"--json\" for list."},
    {"ValueForFlag", {"show", "a", "--json=yes"}, "--json takes no value."},
    {"MissingTarget", {"publish", "a"}, "publish needs --to TARGET."},
    {"MissingTargetValue", {"publish", "a", "--to"}, "--to needs a value TARGET."},
    {"SetWithoutAssignment", {"set", "a"}, "Too few arguments for set."},
    {"HelpForUnknownCommand", {"help", "frobnicate"}, "Unknown command \"frobnicate\"."},
    {"HelpForTwoCommands", {"help", "set", "show"}, "help takes one command name."},
}};

// Test names and failure messages show the case by its name.
void PrintTo(const UsageCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class UsageErrorTest : public CliTest, public ::testing::WithParamInterface<UsageCase> { };

const std::array<const char*, 7> kCommandNames{
    "list", "show", "set", "new", "publish", "targets", "check"};

}  // namespace

TEST_P(UsageErrorTest, ExitsWithTwoAndTouchesNothing)
{
    const ToolResult result = Run(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Run \"quavel-cli help"), std::string::npos) << result.err;
    EXPECT_TRUE(folder.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(CommandLine, UsageErrorTest, ::testing::ValuesIn(kUsageCases), CaseName{});

TEST_F(CliTest, CommandLine_UsageError_NamesTheCommandsUsage)
{
    const ToolResult result = Run({"publish", "a", "--to"});
    EXPECT_EQ(result.err,
        "quavel-cli: --to needs a value TARGET.\n"
        "Usage: quavel-cli publish NAME --to TARGET [--backup] [--cwd-only]\n"
        "Run \"quavel-cli help publish\" for help.\n");
}

TEST_F(CliTest, CommandLine_ToolHelp_ListsEveryCommand)
{
    for (const std::vector<std::string>& arguments :
        std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}}) {
        const ToolResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments.front();
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.out.rfind("Usage: quavel-cli COMMAND [ARGUMENTS]\n", 0), 0u);
        for (const char* command : kCommandNames)
            EXPECT_NE(result.out.find("\n  " + std::string(command) + " "), std::string::npos)
                << command;
    }
}

TEST_F(CliTest, CommandLine_CommandHelp_SameBothWays)
{
    for (const char* command : kCommandNames) {
        const ToolResult byHelp = Run({"help", command});
        const ToolResult byOption = Run({command, "--help"});
        EXPECT_EQ(byHelp.exitCode, 0) << command;
        EXPECT_EQ(byOption.exitCode, 0) << command;
        EXPECT_EQ(byHelp.out, byOption.out) << command;
        EXPECT_EQ(byHelp.out.rfind("Usage: quavel-cli " + std::string(command), 0), 0u)
            << byHelp.out;
    }
}

TEST_F(CliTest, CommandLine_CommandHelp_WinsOverMissingArguments)
{
    const ToolResult result = Run({"set", "-h"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.rfind("Usage: quavel-cli set NAME KEY=VALUE...\n", 0), 0u);
}

TEST_F(CliTest, CommandLine_SetHelp_ListsKeysAndNames)
{
    const ToolResult result = Run({"help", "set"});
    for (const char* text : {"SIDE.kit.CLASS.sec=on|off", "vehicles=default",
             "CLASS: assault, engineer, antitank, scout", "Special Forces", "KA-25 Hormone (KA-25)",
             "OH-6 Loach (OH-6)"})
        EXPECT_NE(result.out.find(text), std::string::npos) << text;
}

TEST_F(CliTest, CommandLine_Version_PrintsTheProjectVersion)
{
    const ToolResult result = Run({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "quavel-cli " QUAVEL_VERSION "\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, CommandLine_DoubleDash_EndsOptions)
{
    const ToolResult result = Run({"show", "--", "--json"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to load WST file!\nNo gameMode tag found!\n");
}

TEST_F(CliTest, CommandLine_OptionValue_AfterEqualsOrSeparate)
{
    WriteProfile("Alpha");
    EXPECT_EQ(Run({"publish", "Alpha", "--to=cwd"}).exitCode, 0);
    EXPECT_EQ(Run({"publish", "--to", "cwd", "Alpha"}).exitCode, 0);
}
