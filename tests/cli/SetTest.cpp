#include "CliTest.h"

#include "catalog/GameCatalog.h"
#include "profile/ProfileStore.h"

#include <cstdlib>

namespace {

using ::testing::HasSubstr;

const Files kServer{{"Server.wst", DefaultBytes()}};

// Set on Server.wst, a copy of the built-in document, that writes these bytes.
Scenario Sets(const std::string& name, std::vector<std::string> assignments, std::string bytes)
{
    assignments.insert(assignments.begin(), {"set", "Server"});
    return Tool("Writes_" + name, std::move(assignments), kServer)
        .Writes({{"Server.wst", std::move(bytes)}});
}

// One bad assignment among good ones: nothing is written.
Scenario Refuses(const std::string& name, std::string assignment, TextMatcher message)
{
    return Tool("BadAssignment_" + name,
        {"set", "Server", "red.team=ARVN", "blue.kit.scout=off", std::move(assignment),
            "vehicle.uaz=t54"},
        kServer)
        .Fails(2, std::move(message));
}

std::vector<Scenario> SetScenarios()
{
    const std::string uazByT54 = DefaultWith(
        "alternative=\"uaz\" changeType=\"1\"", "alternative=\"t54\" changeType=\"2\"");
    std::string fiveSlots = DefaultBytes();  // NVA's weapons, the first, lose their last slot
    const std::size_t weaponsEnd = fiveSlots.find("</weapons>");
    const std::size_t lastSlot = fiveSlots.rfind("<slot_", weaponsEnd);
    fiveSlots.erase(lastSlot, weaponsEnd - lastSlot);
    return {
        Sets("Kits", {"blue.kit.scout.sec=off", "red.kit.antitank=off", "red.kit.engineer.pri=0"},
            KitOff(KitOff(KitOff(KitOff(DefaultBytes(), "usarmy_recon_alt"), "NVA_HeavyAssault"),
                       "NVA_HeavyAssault_Alt"),
                "NVA_Engineer")),
        Sets("ClassByCaptionAndByElementName",
            {"red.kit.Anti-Tank.pri=false", "red.kit.Heavy_Assault.sec=0"},
            KitOff(KitOff(DefaultBytes(), "NVA_HeavyAssault"), "NVA_HeavyAssault_Alt")),
        Sets("LaterAssignmentsUndoEarlierOnes",
            {"red.kit.scout=off", "vehicle.uaz=t54", "red.kit.scout.pri=on",
                "red.kit.scout.sec=true", "vehicles=default"},
            DefaultBytes()),
        Sets("WeaponSlot_OnlyThatSlotOfThatSide", {"blue.weapon.3=off", "red.weapon.6=OFF"},
            WeaponOff(WeaponOff(DefaultBytes(), "USArmy", 3), "NVA", 6)),
        // Team names ignore letter case, spaces, hyphens and underscores.
        Sets("Teams", {"red.team=SPECIAL_FORCES", "blue.team=Viet Cong"}, WithTeams("1/5")),
        Sets(
            "SwappedTeams_AppliedTogether", {"red.team=USArmy", "blue.team=NVA"}, WithTeams("0/3")),
        Sets("LastAssignmentWins_VehicleTakesTheSubstitutesChangeType",
            {"vehicle.uaz=cobra", "vehicle.UAZ=T-54"}, uazByT54),
        Refuses("UnknownKey", "red.kit.sniper=on",
            ::testing::AllOf(HasSubstr("Unknown key \"red.kit.sniper\". Valid keys:\n"),
                HasSubstr("SIDE.kit.CLASS=on|off"), HasSubstr("SIDE: red, blue"))),
        Refuses("WeaponSlotSeven", "red.weapon.7=on", HasSubstr("Unknown key \"red.weapon.7\"")),
        Refuses("UnknownTeam", "red.team=Martians",
            HasSubstr("Invalid value \"Martians\" for red.team. Valid teams: NVA, Viet Cong, ARVN, "
                      "US Army, US Marine, Special Forces.\n")),
        Refuses("UnknownSwitch", "blue.weapon.1=maybe",
            HasSubstr("Invalid value \"maybe\" for blue.weapon.1. Valid values: on, off (or true, "
                      "false, 1, 0).\n")),
        Refuses(
            "NoEquals", "red.team", HasSubstr("\"red.team\" is not an assignment KEY=VALUE.\n")),
        Tool("SameTeamOnBothSides_Refused", {"set", "Server", "vehicle.uaz=t54", "blue.team=nva"},
            kServer)
            .Fails(1, "The teams must be different!\n"),
        // With one team on both sides the red side's flags are written last and win.
        Tool("FileWithEqualTeams_OtherChangesAllowed", {"set", "Server", "red.kit.scout.sec=off"},
            {{"Server.wst", WithTeams("3/3")}})
            .Writes({{"Server.wst", KitOff(WithTeams("3/3"), "usarmy_recon_alt")}}),
        Tool("Default_Refused", {"set", "Default", "red.team=ARVN"}, {{"Default.wst", "unchanged"}})
            .Fails(1, "Cannot save over default profile!\n"),
        Tool("MissingProfile_NothingCreated", {"set", "Server", "red.team=ARVN"})
            .Fails(1, "Unable to load WST file!\nThere is no profile \"Server\" in this folder.\n"),
        // The document lacks what an assignment changes: named, and nothing is written.
        Tool("NoSixthWeaponSlot_Named", {"set", "Server", "red.weapon.6=on"},
            {{"Server.wst", fiveSlots}})
            .Fails(1, "Unable to save WST file!\nNVA has no weapon slot #6\n"),
        Tool("NoSixthWeaponSlot_OffNeedsNone", {"set", "Server", "red.weapon.6=off"},
            {{"Server.wst", fiveSlots}})
            .Writes({{"Server.wst", fiveSlots}}),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Set, CliRun, ::testing::ValuesIn(SetScenarios()), ::testing::PrintToStringParamName());

// Every vehicle is named once by each of its names as a key and as a value, so
// a name that reached the wrong vehicle shows up as a wrong substitute.
TEST_F(CliTest, Set_VehicleNames_EachNamesItsOwnVehicle)
{
    using GameCatalog::vehicles;
    for (const bool keyByDisplayName : {false, true}) {
        Write(kServer);
        std::vector<std::string> arguments{"set", "Server"};
        for (std::size_t i = 0; i < vehicles.size(); ++i) {
            const auto& key = vehicles[i];
            const auto& value = vehicles[(i + 1) % vehicles.size()];
            arguments.push_back("vehicle."
                + std::string(keyByDisplayName ? key.displayName : key.internalName) + "="
                + std::string(keyByDisplayName ? value.internalName : value.displayName));
        }
        const ToolResult result = Run(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        ProfileStore store(root / "work");
        const std::optional<Profile> profile = store.LoadProfile("Server");
        ASSERT_TRUE(profile) << store.lastError();
        for (std::size_t i = 0; i < vehicles.size(); ++i)
            EXPECT_EQ(profile->vehicles[i].alternative, static_cast<int>((i + 1) % vehicles.size()))
                << vehicles[i].displayName;
    }
}

// Two sets at once, each changing its own key, both land: each reads, changes
// and saves in its own turn.
TEST_F(CliTest, Set_TwoAtOnce_BothEditsKept)
{
    const std::string set
        = "cd '" + (root / "work").string() + "' && '" + QUAVEL_CLI_PATH + "' set Server ";
    const std::string both
        = "(" + set + "red.weapon.1=off & " + set + "blue.weapon.2=off & wait) >/dev/null 2>&1";
    for (int round = 0; round < 10; ++round) {
        Write(kServer);
        ASSERT_EQ(std::system(both.c_str()), 0);
        ProfileStore store(root / "work");
        const std::optional<Profile> profile = store.LoadProfile("Server");
        ASSERT_TRUE(profile);
        EXPECT_EQ(profile->red.weapons[0] + profile->blue.weapons[1], 0) << "round " << round;
    }
}
