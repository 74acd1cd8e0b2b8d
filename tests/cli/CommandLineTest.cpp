#include "CliTest.h"

#include <array>

namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::array<std::string, 8> kCommandNames{
    "list", "show", "set", "new", "publish", "targets", "config", "check"};

// A wrong command line changes nothing; its message comes with a hint to the help.
Scenario Misuse(
    const std::string& name, std::vector<std::string> arguments, const std::string& message)
{
    return Tool("UsageError_" + name, std::move(arguments))
        .Fails(2, AllOf(HasSubstr(message), HasSubstr("Run \"quavel-cli help")));
}

std::vector<Scenario> CommandLineScenarios()
{
    const Files alpha{{"Alpha.wst", DefaultBytes()}};
    return {
        Misuse("NoCommand", {}, "quavel-cli: No command given.\n"),
        Misuse("MissingName", {"show"}, "Too few arguments for show."),
        Misuse("TooManyArguments", {"show", "a", "b"}, "Too many arguments for show."),
        Misuse("UnknownOption", {"show", "a", "--bogus"}, "Unknown option \"--bogus\" for show."),
        Misuse("PrefixWithoutValue", {"--prefix"}, "quavel-cli: --prefix needs a value PATH.\n"),
        Tool("MissingTargetValue_NamesTheCommandsUsage", {"publish", "a", "--to"})
            .Fails(2,
                "quavel-cli: --to needs a value TARGET.\n"
                "Usage: quavel-cli publish NAME [--to TARGET] [--to-dir DIR] [--backup] "
                "[--cwd-only]\n"
                "Run \"quavel-cli help publish\" for help.\n"),
        Tool("CommandHelp_WinsOverMissingArguments", {"set", "-h"})
            .Prints(StartsWith("Usage: quavel-cli set NAME KEY=VALUE...\n")),
        Tool("SetHelp_ListsKeysAndNames", {"help", "set"})
            .Prints(AllOf(HasSubstr("SIDE.kit.CLASS.sec=on|off"), HasSubstr("vehicles=default"),
                HasSubstr("CLASS: assault, engineer, antitank, scout"), HasSubstr("Special Forces"),
                HasSubstr("KA-25 Hormone (KA-25)"), HasSubstr("OH-6 Loach (OH-6)"))),
        Tool("Version_PrintsTheProjectVersion", {"--version"})
            .Prints(::testing::MatchesRegex(
                "quavel-cli " QUAVEL_VERSION "\nCopyright .*\nLicense: MIT .*\n")),
        Tool("DoubleDash_EndsOptions", {"show", "--", "--json"})
            .Fails(1, "Unable to load WST file!\nThere is no profile \"--json\" in this folder.\n"),
        Tool("OptionValue_AfterEqualsAndBeforeTheName", {"publish", "--to=cwd", "Alpha"}, alpha)
            .Prints("Published to: {cwd}/CustomCombat.wst\n")
            .Writes({{"CustomCombat.wst", DefaultBytes()}}),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(CommandLine, CliRun, ::testing::ValuesIn(CommandLineScenarios()),
    ::testing::PrintToStringParamName());

// The tool's help lists every command, whose own help reads the same both ways.
TEST_F(CliTest, CommandLine_Help_EveryCommandBothWays)
{
    const ToolResult tool = Run({"--help"});
    EXPECT_THAT(
        tool.out, StartsWith("Usage: quavel-cli [-C DIR] [--prefix PATH] COMMAND [ARGUMENTS]\n"));
    for (const std::string& command : kCommandNames) {
        EXPECT_THAT(tool.out, HasSubstr("\n  " + command + " "));
        const ToolResult byHelp = Run({"help", command});
        const ToolResult byOption = Run({command, "--help"});
        EXPECT_EQ(byHelp.exitCode + byOption.exitCode, 0) << command;
        EXPECT_EQ(byHelp.out, byOption.out) << command;
        EXPECT_THAT(byHelp.out, StartsWith("Usage: quavel-cli " + command));
    }
}
