#include "CliTest.h"

namespace {

using ::testing::HasSubstr;

std::vector<Tool> ProfileCommandRuns()
{
    const Files edited{{"Edited.wst", EditedDocument()}};
    const std::string published = WithTeams("3/4");    // not the built-in document
    const std::string latin1Name = "say \"hi\" \xE9";  // the last byte is not UTF-8
    const Files checked{{"Good.wst", DefaultBytes()}, {"Empty.wst", ""},
        {"NoTeams.wst", WithTeams("")}, {"Folder.wst", std::string(kFolder)},
        {"elsewhere/profile.xml", DefaultBytes()}};
    return {
        Tool{"List_ProfileFiles_DefaultFirstThenNamesIgnoringCase", {"list"},
            {{"Default.wst", DefaultBytes()}, {"CustomCombat.wst", DefaultBytes()},
                {"alpha.wst", DefaultBytes()}, {"Beta.WST", DefaultBytes()},
                {"notes.txt", "not a profile"}}}
            .Prints("Default\nalpha\nBeta\nCustomCombat\n"),
        Tool{"ListJson_DirectoryOption_ThatFolder", {"-C", "other", "list", "--json"},
            {{"here.wst", DefaultBytes()}, {"other/there.wst", DefaultBytes()}}}
            .Prints("[\n  \"Default\",\n  \"there\"\n]\n"),
        Tool{"Show_EditedProfile_TableLikeTheWindow", {"show", "Edited"}, edited}.Prints(
            DataFile("Edited.txt")),
        Tool{"Show_EditedProfileAsJson_KeyedAsSetAndNullForUnknown", {"show", "Edited", "--json"},
            edited}
            .Prints(DataFile("Edited.json")),
        Tool{"Show_Default_BuiltInProfileWithoutWritingAFile", {"show", "Default"}}.Prints(
            DataFile("Default.txt")),
        // A name in another encoding keeps its bytes, escaped as Python's
        // surrogateescape reads them; valid UTF-8 stays as it is.
        Tool{"Show_JsonName_BytesNotUtf8Escaped", {"show", latin1Name, "--json"},
            {{latin1Name + ".wst", DefaultBytes()}}}
            .Prints(HasSubstr("{\n  \"name\": \"say \\\"hi\\\" \\udce9\",\n")),
        Tool{"ListJson_NamesOfEveryEncoding", {"list", "--json"},
            {{latin1Name + ".wst", DefaultBytes()}, {"\xC3\x89t\xC3\xA9.wst", DefaultBytes()},
                {"cut\xC3.wst", DefaultBytes()}}}
            .Prints("[\n  \"Default\",\n  \"cut\\udcc3\",\n  \"say \\\"hi\\\" \\udce9\",\n"
                    "  \"\xC3\x89t\xC3\xA9\"\n]\n"),
        Tool{"Show_NotWellFormed_ParserReasonOnItsOwnLine", {"show", "Broken"},
            {{"Broken.wst", "<gameMode activeTeams=\"3/0\">&</gameMode>"}}}
            .Fails(1,
                Said("Unable to load WST file!\nNo gameMode tag found!\nline 1, column 30: not "
                     "well-formed (invalid token)")),
        Tool{"Show_SubFolder_NotAProfileName", {"show", "sub/Server"}}.Fails(
            2, HasSubstr("is not a profile name")),
        Tool{"Show_UnknownFormat", {"show", "Edited", "--format=xml"}, edited}.Fails(
            2, HasSubstr("Unknown format \"xml\"")),
        Tool{"Check_ReasonOfEachRefusedFileAndFails",
            {"check", "Good.wst", "{cwd}/elsewhere/profile.xml", "Empty.wst", "NoTeams.wst",
                "Missing.wst", "Folder.wst"},
            checked}
            .Prints("Good.wst: OK\n{cwd}/elsewhere/profile.xml: OK\n")
            .Fails(1,
                Said("Empty.wst: No gameMode tag found!\n"
                     "Empty.wst: line 1, column 1: no element found\n"
                     "NoTeams.wst: No activeTeams found!\n"
                     "Missing.wst: No such file or directory\n"
                     "Folder.wst: Is a directory")),
        Tool{"Check_StandardInput_ReasonOfTheDocument", {"check", "-", "Good.wst"}, checked}
            .Reading(WithTeams(""))
            .Prints("Good.wst: OK\n")
            .Fails(1, Said("(standard input): No activeTeams found!")),
        Tool{"CheckJson_EachFileWithItsReason", {"check", "--json", "Good.wst", "Empty.wst"},
            checked}
            .Prints("[\n  {\n    \"file\": \"Good.wst\",\n    \"ok\": true,\n    \"problem\": "
                    "null\n  },\n"
                    "  {\n    \"file\": \"Empty.wst\",\n    \"ok\": false,\n    \"problem\": "
                    "\"No gameMode tag found!\\nline 1, column 1: no element found\"\n  }\n]\n")
            .Fails(1, ""),
        Tool{"Check_GoodFiles_Ok", {"check", "Good.wst"}, {{"Good.wst", DefaultBytes()}}}.Prints(
            "Good.wst: OK\n"),
        // Only "Default" itself is the built-in profile, which new writes first.
        Tool{"New_EmptyFolder_WritesDefaultFirstThenCopiesIt", {"new", "default"}}.Writes(
            {{"Default.wst", DefaultBytes()}, {"default.wst", DefaultBytes()}}),
        Tool{
            "New_ExistingDefaultFile_CopiedAsItIs", {"new", "Server"}, {{"Default.wst", published}}}
            .Writes({{"Server.wst", published}}),
        Tool{"New_ExistingProfile_CouldNotCreateAndUnchanged", {"new", "Server"},
            {{"Default.wst", published}, {"Server.wst", DefaultBytes()}}}
            .Fails(1, Said("Could not create profile!\na profile named Server already exists")),
        Tool{"New_NotAName_ToldWhy", {"new", "a/b"}}.Fails(1,
            Said("Could not create profile!\n\"a/b\" is not a profile name: a name is not empty, "
                 "not \".\" or \"..\", and holds no slash, backslash or control character.")),
        Tool{"Diff_EveryDifferingSettingExitsOne", {"diff", "Default", "Edited"}, edited}
            .Prints(DataFile("Diff.txt"))
            .Fails(1, ""),
        Tool{"DiffJson_EveryDifferingKeyWithBothValues", {"diff", "--json", "Default", "Edited"},
            edited}
            .Prints(DataFile("Diff.json"))
            .Fails(1, ""),
        Tool{"DiffFormatSet_KeyValueLinesOfEach", {"diff", "--format=set", "Default", "Edited"},
            edited}
            .Prints(DataFile("DiffSet.txt"))
            .Fails(1, ""),
        // What a publish target holds compares as a profile does.
        Tool{"Diff_ServerTargetAgainstAProfile_SameLinesAsTwoProfiles",
            {"diff", "@server", "Edited"},
            {{"Edited.wst", EditedDocument()}, {PublishedFile("BFV Server"), DefaultBytes()}}}
            .Prints(DataFile("Diff.txt"))
            .Fails(1, ""),
        Tool{"Diff_CwdTargetHoldingTheSame_ExitsZero", {"diff", "Edited", "@cwd"},
            {{"Edited.wst", EditedDocument()}, {"CustomCombat.wst", EditedDocument()}}}
            .Prints("No differences\n"),
        Tool{"Diff_CwdTargetWithoutFile_Trouble", {"diff", "Edited", "@cwd"}, edited}.Fails(2,
            "quavel-cli: There is no CustomCombat.wst in the working folder: "
            "{cwd}/CustomCombat.wst\nRun \"quavel-cli help diff\" for help.\n"),
        Tool{"Diff_TargetNotAProfile_TroubleWithTheReason", {"diff", "@game", "Edited"},
            {{"Edited.wst", EditedDocument()}, {PublishedFile("BFV"), "<profile/>"}}}
            .Fails(2,
                HasSubstr("quavel-cli: " + HostPath(PublishedFile("BFV"))
                    + ": No gameMode tag found!\n")),
        Tool{"Diff_GameNotFound_TroubleAndNoFolderCreated", {"diff", "Edited", "@game"}, edited}
            .WithRegistry(InstallsRegistryText("C:\\Games\\BFV Server", std::nullopt))
            .Fails(2, HasSubstr("quavel-cli: Game install not found: no registry key")),
        Tool{"Diff_UnknownServer_Trouble", {"diff", "Edited", "@server:eu1"}, edited}.Fails(
            2, HasSubstr("quavel-cli: No server is named \"eu1\".")),
        Tool{"Diff_BothIsNoSingleFile_UnknownTarget", {"diff", "Edited", "@both"}, edited}.Fails(2,
            HasSubstr("quavel-cli: unknown target \"@both\". Valid targets: @server, @game, @cwd, "
                      "@server:NAME.\n")),
        Tool{"Diff_MissingProfileIsTrouble", {"diff", "Edited", "Nothing"}, edited}.Fails(
            2, HasSubstr("quavel-cli: Unable to load WST file!\n")),
        // A name mistyped, or spelt in another case, gets the nearest profile's.
        Tool{"Show_MistypedName_Suggested", {"show", "Edite"}, edited}.Fails(
            1, HasSubstr("in this folder. Did you mean \"Edited\"?\n")),
        Tool{"Show_DefaultInSmallLetters_Suggested", {"show", "default"}}.Fails(1,
            HasSubstr(
                "There is no profile \"default\" in this folder. Did you mean \"Default\"?\n")),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(ProfileCommands, CliRun, ::testing::ValuesIn(ProfileCommandRuns()),
    ::testing::PrintToStringParamName());
