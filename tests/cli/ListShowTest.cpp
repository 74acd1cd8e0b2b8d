#include "CliTest.h"

#include <sys/wait.h>

#include <cstdlib>

namespace {

using ::testing::HasSubstr;

std::string Expected(std::string_view file)
{
    return FileBytes(std::filesystem::path(QUAVEL_TEST_DATA) / file);
}

std::vector<Scenario> ListShowScenarios()
{
    const Files edited{{"Edited.wst", EditedDocument()}};
    const std::string latin1Name = "say \"hi\" \xE9";  // the last byte is not UTF-8
    return {
        Tool("List_ProfileFiles_DefaultFirstThenNamesIgnoringCase", {"list"},
            {{"Default.wst", DefaultBytes()}, {"CustomCombat.wst", DefaultBytes()},
                {"alpha.wst", DefaultBytes()}, {"Beta.WST", DefaultBytes()},
                {"notes.txt", "not a profile"}})
            .Prints("Default\nalpha\nBeta\nCustomCombat\n"),
        Tool("Show_EditedProfile_TableLikeTheWindow", {"show", "Edited"}, edited)
            .Prints(Expected("Edited.txt")),
        Tool("Show_EditedProfileAsJson_KeyedAsSetAndNullForUnknown", {"show", "Edited", "--json"},
            edited)
            .Prints(Expected("Edited.json")),
        Tool("Show_Default_BuiltInProfileWithoutWritingAFile", {"show", "Default"})
            .Prints(::testing::AllOf(
                ::testing::StartsWith("Profile: Default\n\nTeams            Red            Blue\n"
                                      "  Team           NVA            US Army\n"),
                ::testing::Not(HasSubstr("off")))),
        Tool("Show_JsonName_EscapedAsValidUtf8", {"show", latin1Name, "--json"},
            {{latin1Name + ".wst", DefaultBytes()}})
            .Prints(HasSubstr("{\n  \"name\": \"say \\\"hi\\\" \xC3\xA9\",\n")),
        Tool("Show_NotWellFormed_ParserReasonOnItsOwnLine", {"show", "Broken"},
            {{"Broken.wst", "<gameMode activeTeams=\"3/0\">&</gameMode>"}})
            .Fails(1,
                "Unable to load WST file!\nNo gameMode tag found!\nline 1, column 30: not "
                "well-formed (invalid token)\n"),
        Tool("Show_SubFolder_NotAProfileName", {"show", "sub/Server"})
            .Fails(2, HasSubstr("is not a profile name")),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(ListShow, CliRun, ::testing::ValuesIn(ListShowScenarios()),
    ::testing::PrintToStringParamName());

TEST_F(CliTest, List_OutputNotWritten_Fails)
{
    const std::string command = "cd '" + (root / "work").string() + "' && '" + QUAVEL_CLI_PATH
        + "' list >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
}
