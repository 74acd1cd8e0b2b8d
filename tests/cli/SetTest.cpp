#include "CliTest.h"

#include "bench/KillRounds.h"
#include "profile/ProfileStore.h"
#include "profile/RegularFile.h"

#include <unistd.h>

#include <cstdlib>

namespace {

using ::testing::HasSubstr;

const Files kServer{{"Server.wst", DefaultBytes()}};

// Set on Server.wst, a copy of the built-in document, that writes these bytes.
Tool Sets(const std::string& name, std::vector<std::string> assignments, std::string bytes)
{
    assignments.insert(assignments.begin(), {"set", "Server"});
    return Tool{"Writes_" + name, std::move(assignments), kServer}.Writes(
        {{"Server.wst", std::move(bytes)}});
}

// One bad assignment among good ones: nothing is written.
Tool Refuses(const std::string& name, std::string assignment, const std::string& message)
{
    return Tool{"BadAssignment_" + name,
        {"set", "Server", "red.team=ARVN", std::move(assignment), "vehicle.uaz=t54"}, kServer}
        .Fails(2, HasSubstr(message));
}

std::vector<Tool> SetRuns()
{
    const std::string uazByT54 = DefaultWith(
        "alternative=\"uaz\" changeType=\"1\"", "alternative=\"t54\" changeType=\"2\"");
    std::string fiveSlots = DefaultBytes();  // NVA's weapons, the first, lose their last slot
    const std::size_t weaponsEnd = fiveSlots.find("</weapons>");
    const std::size_t lastSlot = fiveSlots.rfind("<slot_", weaponsEnd);
    fiveSlots.erase(lastSlot, weaponsEnd - lastSlot);
    // As large as a profile may be: a save that makes it one byte larger is refused.
    std::string largest = DefaultBytes();
    const std::size_t afterDeclaration = largest.find('\n') + 1;
    const std::string_view emptyComment = "<!---->\r\n";
    largest.insert(afterDeclaration,
        "<!--" + std::string(kMaximumProfileBytes - largest.size() - emptyComment.size(), 'x')
            + "-->\r\n");
    return {
        // A class by its name, its caption or its element's name; both kits or one.
        Sets("Kits",
            {"blue.kit.scout.sec=off", "red.kit.Anti-Tank=off", "red.kit.Heavy_Assault.sec=on",
                "red.kit.engineer.pri=0"},
            KitOff(KitOff(KitOff(DefaultBytes(), "usarmy_recon_alt"), "NVA_HeavyAssault"),
                "NVA_Engineer")),
        Sets("LaterAssignmentsUndoEarlierOnes",
            {"red.kit.scout=off", "vehicle.uaz=t54", "red.kit.scout.pri=on",
                "red.kit.scout.sec=true", "vehicles=default"},
            DefaultBytes()),
        Sets("WeaponSlot_OnlyThatSlotOfThatSide", {"blue.weapon.3=off", "red.weapon.6=OFF"},
            WeaponOff(WeaponOff(DefaultBytes(), "USArmy", 3), "NVA", 6)),
        // Team names ignore letter case, spaces, hyphens and underscores; the
        // teams are checked once all assignments are made.
        Sets("SwappedTeams_AppliedTogether", {"red.team=US_ARMY", "blue.team=n v-a"},
            WithTeams("0/3")),
        // A vehicle by either of its names; the substitute's change type goes with it.
        Sets("Vehicles_LastAssignmentWins",
            {"vehicle.uaz=cobra", "vehicle.UAZ=T-54", "vehicle.OH-6 Loach=KA-25 Hormone"},
            ReplaceAll(uazByT54, "alternative=\"OH-6\"", "alternative=\"KA-25\"")),
        Refuses("UnknownKey", "red.kit.sniper=on", "Unknown key \"red.kit.sniper\". Valid keys:\n"),
        Refuses("UnknownTeam_Suggested", "red.team=nvaa",
            "Invalid value \"nvaa\" for red.team. Did you mean \"NVA\"? Valid teams: NVA, Viet "
            "Cong, "
            "ARVN, US Army, US Marine, Special Forces.\n"),
        Refuses("UnknownSwitch", "blue.weapon.1=maybe",
            "Invalid value \"maybe\" for blue.weapon.1. Valid values: on, off"),
        Refuses("NoEquals", "red.team", "\"red.team\" is not an assignment KEY=VALUE.\n"),
        // The session's refusals, reported with exit status 1.
        Tool{"SameTeamOnBothSides_Refused", {"set", "Server", "vehicle.uaz=t54", "blue.team=nva"},
            kServer}
            .Fails(1, Said("The teams must be different!")),
        Tool{"Default_Refused", {"set", "Default", "red.team=ARVN"}, {{"Default.wst", "unchanged"}}}
            .Fails(1, Said("Cannot save over default profile!")),
        Tool{"MissingProfile_NothingCreated", {"set", "Server", "red.team=ARVN"}}.Fails(
            1, Said("Unable to load WST file!\nThere is no profile \"Server\" in this folder.")),
        Tool{"NoSixthWeaponSlot_Named", {"set", "Server", "red.weapon.6=on"},
            {{"Server.wst", fiveSlots}}}
            .Fails(1,
                Said("Unable to save WST file! Do you have write permissions to the QUAVEL "
                     "folder?\nNVA has no weapon slot #6")),
        // Assignments as lines of standard input or of a file, as a person writes them.
        Tool{"Writes_FromStandardInputAndArguments", {"set", "Server", "-", "red.weapon.2=off"},
            kServer}
            .Reading("# from the server\r\nred.team=ARVN\r\n\r\n  vehicle.uaz = t54\n")
            .Writes({{"Server.wst",
                WeaponOff(ReplaceAll(uazByT54, "activeTeams=\"3/0\"", "activeTeams=\"3/2\""),
                    "ARVN", 2)}}),
        Tool{"FromFile_BadLineNamed_NothingWritten", {"set", "Server", "@list.txt"},
            {{"Server.wst", DefaultBytes()}, {"list.txt", "red.team=ARVN\nblue.team=Nope\n"}}}
            .Fails(2, HasSubstr("list.txt:2: Invalid value \"Nope\" for blue.team.")),
        Tool{"FromMissingFile_Told", {"set", "Server", "@gone.txt"}, kServer}.Fails(
            2, HasSubstr("gone.txt: No such file or directory\n")),
        Tool{"LargerThanALoadTakes_RefusedAndUnchanged", {"set", "Big", "red.kit.scout.sec=off"},
            {{"Big.wst", largest}}}
            .Fails(1,
                Said("Unable to save WST file! Do you have write permissions to the QUAVEL "
                     "folder?\nThe file would be 16777217 bytes, more than a profile may have "
                     "(16777216)")),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Set, CliRun, ::testing::ValuesIn(SetRuns()), ::testing::PrintToStringParamName());

// Two sets at once, each changing its own key, both land: each reads, changes
// and saves in its own turn.
TEST_F(CliTest, Set_TwoAtOnce_BothEditsKept)
{
    const std::string both = Command({"set", "Server", "red.weapon.1=off"}) + " & "
        + Command({"set", "Server", "blue.weapon.2=off"}) + " & wait";
    for (int round = 0; round < 10; ++round) {
        Write(kServer);
        ASSERT_EQ(std::system(("(" + both + ") >/dev/null 2>&1").c_str()), 0);
        const std::optional<Profile> profile = ProfileStore(root / "work").LoadProfile("Server");
        ASSERT_TRUE(profile);
        EXPECT_EQ(profile->red.weapons[0] + profile->blue.weapons[1], 0) << "round " << round;
    }
}

// What show prints in set's format, set takes from a pipe: afterwards the two
// differ only in the substitute the game lacks, which no assignment can name.
TEST_F(CliTest, Set_ShowOfAnotherProfilePiped_CopiesEverySetting)
{
    Write({{"Edited.wst", EditedDocument()}, {"Copy.wst", DefaultBytes()}});
    const ToolResult shown = Run({"show", "Edited", "--format=set"});
    ASSERT_EQ(shown.exitCode, 0);
    ASSERT_EQ(Run({"set", "Copy", "-"}, shown.out).exitCode, 0);
    EXPECT_EQ(Run({"diff", "Copy", "Edited", "--format=set"}).out,
        "-vehicle.OH-6=OH-6\n+vehicle.OH-6=unknown\n");
}

// A disk that fails the flush: the save says so, in words, and the file stays.
// A leak checker cannot run under strace, so a sanitized build turns it off.
TEST_F(CliTest, Set_FlushFails_ToldWhy)
{
    Write(kServer);
    const std::string command = "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o /dev/null -e "
                                "trace=fsync -e inject=fsync:error=EIO sh -c "
        + ShellQuoted(Command({"set", "Server", "red.weapon.1=off"})) + " 2>"
        + ShellQuoted((root / "err").string());
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_EQ(FileBytes(root / "err"),
        "quavel-cli: Unable to save WST file! Do you have write permissions to the QUAVEL "
        "folder?\nquavel-cli: Input/output error\n");
    EXPECT_EQ(Snapshot(), kServer);
}

// A set killed while it saves a profile in place leaves a file that the next
// command finds whole, and no copy behind. The rounds are few here; the
// probe (bench/ProfileKillProbe) runs hundreds on a profile of 12.6 MB.
TEST_F(CliTest, Set_KilledWhileSavingInPlace_NextCommandFindsTheProfileWhole)
{
    struct Case {
        const char* name;
        InPlaceCase inPlaceCase;
    };
    for (const auto& [name, inPlaceCase] : {Case{"hard-linked", InPlaceCase::HardLinked},
             Case{"another user's file, saved by a group member", InPlaceCase::GroupMember}}) {
        if (inPlaceCase == InPlaceCase::GroupMember && ::geteuid() != 0)
            continue;  // acting as a second user needs root
        const TestFolder folder;
        const KillFigures figures
            = RunToolKillRounds(folder.path(), {QUAVEL_CLI_PATH, inPlaceCase, 1000 * 1000}, 12, 7);
        EXPECT_EQ(figures.brokenProfiles, 0) << name;
        EXPECT_EQ(figures.leftBehind, 0) << name;
    }
}
