#include "CliTest.h"

#include <sstream>

namespace {

using ::testing::HasSubstr;

std::vector<Scenario> ScriptingScenarios()
{
    const Files edited{{"Edited.wst", EditedDocument()}};
    const std::string differences = "-red.team=NVA\n+red.team=ARVN\n-red.weapon.2=on\n"
                                    "+red.weapon.2=off\n-blue.kit.scout.sec=on\n"
                                    "+blue.kit.scout.sec=off\n-vehicle.uaz=uaz\n"
                                    "+vehicle.uaz=t54\n-vehicle.OH-6=OH-6\n"
                                    "+vehicle.OH-6=unknown\n";
    return {
        Tool("Suggest_Command", {"lsit"}).Fails(2, HasSubstr("\"lsit\". Did you mean \"list\"?")),
        Tool("Suggest_Option", {"show", "A", "--jsno"})
            .Fails(2, HasSubstr("for show. Did you mean \"--json\"?")),
        Tool("Suggest_KeyIgnoringCase", {"set", "Edited", "Blue.Kit.Scuot=off"}, edited)
            .Fails(2, HasSubstr("Did you mean \"blue.kit.scout\"?")),
        Tool("Suggest_Value", {"set", "Edited", "red.team=nvaa"}, edited)
            .Fails(2, HasSubstr("Did you mean \"NVA\"?")),
        Tool("Suggest_NothingFarOff", {"frobnicate"})
            .Fails(2,
                "quavel-cli: Unknown command \"frobnicate\".\nRun \"quavel-cli help\" for help.\n"),
        Tool("ShowFormat_Unknown", {"show", "Edited", "--format=xml"}, edited)
            .Fails(2, HasSubstr("Unknown format \"xml\"")),
        Tool("ListJson_DefaultFirst", {"list", "--json"},
            {{"b.wst", DefaultBytes()}, {"Default.wst", DefaultBytes()}, {"a.wst", DefaultBytes()}})
            .Prints("[\n  \"Default\",\n  \"a\",\n  \"b\"\n]\n"),
        Tool("Diff_EveryDifferingSettingExitsOne", {"diff", "Default", "Edited"}, edited)
            .Prints(differences)
            .Fails(1, ""),
        Tool("Diff_SameProfilesExitZero", {"diff", "Edited", "Edited"}, edited),
        Tool("Diff_MissingProfileIsTrouble", {"diff", "Edited", "Nothing"}, edited)
            .Fails(2, HasSubstr("Unable to load WST file!\n")),
    };
}

// What show --format=set prints, set applies to another profile: afterwards
// the two differ only in the substitute that no assignment can name.
TEST_F(CliTest, ShowFormatSet_AppliedBySet_CopiesEverySetting)
{
    Write({{"Edited.wst", EditedDocument()}, {"Copy.wst", DefaultBytes()}});
    const ToolResult shown = Run({"show", "Edited", "--format=set"});
    ASSERT_EQ(shown.exitCode, 0);
    std::vector<std::string> arguments{"set", "Copy"};
    std::istringstream lines(shown.out);
    for (std::string line; std::getline(lines, line);)
        arguments.push_back(line);
    ASSERT_EQ(Run(arguments).exitCode, 0);

    const ToolResult compared = Run({"diff", "Copy", "Edited"});
    EXPECT_EQ(compared.out, "-vehicle.OH-6=OH-6\n+vehicle.OH-6=unknown\n");
    EXPECT_EQ(compared.exitCode, 1);
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Scripting, CliRun, ::testing::ValuesIn(ScriptingScenarios()),
    ::testing::PrintToStringParamName());
