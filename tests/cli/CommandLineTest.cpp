#include "CliTest.h"

#include <cstdlib>

namespace {

using ::testing::AllOf;
using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

// A wrong command line changes nothing; its message comes with a hint to the help.
Tool Misuse(const std::string& name, std::vector<std::string> arguments, const std::string& message)
{
    return Tool{"UsageError_" + name, std::move(arguments)}.Fails(
        2, AllOf(HasSubstr(message), HasSubstr("Run \"quavel-cli help")));
}

std::vector<Tool> CommandLineRuns()
{
    const Files edited{{"Edited.wst", EditedDocument()}};
    return {
        Misuse("NoCommand", {}, "Usage: quavel-cli [-C DIR] [--prefix PATH] COMMAND [ARGUMENTS]\n"),
        Misuse("UnknownOptionBeforeTheCommand", {"--quiet", "list"},
            "quavel-cli: Unknown option \"--quiet\".\n"),
        Misuse("ShortDirectoryWithoutValue", {"-C"}, "quavel-cli: -C needs a value DIR.\n"),
        Misuse("MissingName", {"show"}, "Too few arguments for show."),
        Misuse("TooManyArguments", {"show", "a", "b"}, "Too many arguments for show."),
        Misuse("PrefixWithoutValue", {"--prefix"}, "quavel-cli: --prefix needs a value PATH.\n"),
        Misuse("UnknownOption_Suggested", {"show", "A", "--jsno"},
            "Unknown option \"--jsno\" for show. Did you mean \"--json\"?"),
        Misuse("UnknownCommand_Suggested", {"lsit"}, "\"lsit\". Did you mean \"list\"?"),
        Tool{"UnknownKey_SuggestedIgnoringCase", {"set", "Edited", "Blue.Kit.Scuot=off"}, edited}
            .Fails(2, HasSubstr("Did you mean \"blue.kit.scout\"?")),
        Tool{"UnknownCommand_NothingFarOffToSuggest", {"frobnicate"}}.Fails(
            2, "quavel-cli: Unknown command \"frobnicate\".\nRun \"quavel-cli help\" for help.\n"),
        Tool{"MissingTargetValue_NamesTheCommandsUsage", {"publish", "a", "--to"}}.Fails(2,
            "quavel-cli: --to needs a value TARGET.\n"
            "Usage: quavel-cli publish NAME [--to TARGET] [--to-dir DIR] [--to-url URL] [--backup]"
            " [--cwd-only] [--force]\n"
            "Run \"quavel-cli help publish\" for help.\n"),
        Tool{"Help_ListsTheCommands", {"--help"}}.Prints(
            AllOf(StartsWith("Usage: quavel-cli [-C DIR] [--prefix PATH] COMMAND [ARGUMENTS]\n"),
                HasSubstr("\n  publish "), HasSubstr("\n  config "))),
        // Off a terminal the help fits 80 columns; a list goes on under its label.
        Tool{"CommandHelp_ListsKeysAndNames", {"help", "set"}}.Prints(
            AllOf(StartsWith("Usage: quavel-cli set NAME KEY=VALUE|-|@FILE...\n"),
                HasSubstr("SIDE.kit.CLASS.sec=on|off"), HasSubstr("OH-6 Loach (OH-6)"),
                HasSubstr("\nVEHICLE: BM-21 (bm21sam), "), HasSubstr("\n         (pt76), "),
                Not(ContainsRegex("[^\n]{81}")))),
        Tool{"CommandHelpOption_WinsOverMissingArguments", {"set", "-h"}}.Prints(
            StartsWith("Usage: quavel-cli set NAME KEY=VALUE|-|@FILE...\n")),
        Tool{"DoubleDash_EndsOptions", {"show", "--", "--json"}}.Fails(
            1, Said("Unable to load WST file!\nThere is no profile \"--json\" in this folder.")),
        Tool{"OptionValue_AfterEqualsAndBeforeTheName", {"publish", "--to=cwd", "Alpha"},
            {{"Alpha.wst", DefaultBytes()}}}
            .Prints("Published to: {cwd}/CustomCombat.wst\n")
            .Writes({{"CustomCombat.wst", DefaultBytes()}}),
        Tool{"DirectoryOption_WorksThereAndCwdOnlyAllowsCwd",
            {"-C", "sub", "publish", "Alpha", "--to", "cwd", "--cwd-only"},
            {{"sub/Alpha.wst", DefaultBytes()}}}
            .Prints("Published to: {cwd}/sub/CustomCombat.wst\n")
            .Writes({{"sub/CustomCombat.wst", DefaultBytes()}}),
        Tool{"DirectoryMissing_Fails", {"--directory=missing", "list"}}.Fails(
            1, "quavel-cli: Cannot work in {cwd}/missing: No such file or directory\n"),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(CommandLine, CliRun, ::testing::ValuesIn(CommandLineRuns()),
    ::testing::PrintToStringParamName());

TEST_F(CliTest, OutputNotWritten_Fails)
{
    const int status = std::system((Command({"list"}) + " >/dev/full 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

// On a terminal the help fits the terminal's width.
TEST_F(CliTest, CommandHelp_OnANarrowTerminal_FitsItsWidth)
{
    const std::string onTerminal = "script -qec "
        + ShellQuoted("stty cols 50; " + Command({"help", "set"})) + " /dev/null > "
        + ShellQuoted((root / "out").string());
    ASSERT_EQ(std::system(onTerminal.c_str()), 0);
    const std::string shown = FileBytes(root / "out");
    EXPECT_THAT(shown,
        HasSubstr("\r\nVEHICLE: BM-21 (bm21sam), BTR-60 (btr60), M-110\r\n         (m110), "));
    EXPECT_THAT(shown, Not(ContainsRegex("[^\r\n]{51}")));
}
