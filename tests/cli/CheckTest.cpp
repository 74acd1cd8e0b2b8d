#include "CliTest.h"

namespace {

std::vector<Scenario> CheckScenarios()
{
    const Files refused{{"Good.wst", DefaultBytes()}, {"Empty.wst", ""},
        {"NoTeams.wst", WithTeams("")}, {"Folder.wst", std::string(kFolder)}};
    return {
        Tool("GoodFiles_OkAtAnyPath", {"check", "Server.wst", "{cwd}/elsewhere/profile.xml"},
            {{"Server.wst", DefaultBytes()}, {"elsewhere/profile.xml", DefaultBytes()}})
            .Prints("Server.wst: OK\n{cwd}/elsewhere/profile.xml: OK\n"),
        Tool("RefusedFiles_ReasonOfEachAndFails",
            {"check", "Good.wst", "Empty.wst", "NoTeams.wst", "Missing.wst", "Folder.wst"}, refused)
            .Prints("Good.wst: OK\n")
            .Fails(1,
                "Empty.wst: No gameMode tag found!\n"
                "NoTeams.wst: No activeTeams found!\n"
                "Missing.wst: cannot read the file: No such file or directory\n"
                "Folder.wst: cannot read the file: Is a directory\n"),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Check, CliRun, ::testing::ValuesIn(CheckScenarios()), ::testing::PrintToStringParamName());
