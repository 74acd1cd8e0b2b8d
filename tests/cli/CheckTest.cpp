#include "CliTest.h"

namespace {

std::vector<Scenario> CheckScenarios()
{
    const Files refused{{"Good.wst", DefaultBytes()}, {"Empty.wst", ""},
        {"Damaged.wst", DefaultBytes().substr(0, 2000)}, {"NoTeams.wst", WithTeams("")},
        {"NoRed.wst", DefaultWithout("NVA")}, {"NoVehicle.wst", DefaultWithout("uaz")},
        {"Folder.wst", std::string(kFolder)}};
    return {
        Tool("GoodFiles_OkAtAnyPath", {"check", "Server.wst", "{cwd}/elsewhere/profile.xml"},
            {{"Server.wst", DefaultBytes()}, {"elsewhere/profile.xml", DefaultBytes()}})
            .Prints("Server.wst: OK\n{cwd}/elsewhere/profile.xml: OK\n"),
        Tool("RefusedFiles_ReasonOfEachAndFails",
            {"check", "Good.wst", "Empty.wst", "Damaged.wst", "NoTeams.wst", "NoRed.wst",
                "NoVehicle.wst", "Missing.wst", "Folder.wst"},
            refused)
            .Prints("Good.wst: OK\n")
            .Fails(1,
                "Empty.wst: No gameMode tag found!\n"
                "Damaged.wst: No gameMode tag found!\n"
                "NoTeams.wst: No activeTeams found!\n"
                "NoRed.wst: No redTeam tag found!\n"
                "NoVehicle.wst: No uaz tag found!\n"
                "Missing.wst: cannot read the file: No such file or directory\n"
                "Folder.wst: cannot read the file: Is a directory\n"),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Check, CliRun, ::testing::ValuesIn(CheckScenarios()), CaseName{});
