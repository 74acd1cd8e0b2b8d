#include "CliTest.h"

namespace {

std::vector<Scenario> NewScenarios()
{
    const std::string published = WithTeams("3/4");
    const std::string refused = "<gameMode/>";
    std::vector<Scenario> scenarios{
        Tool("EmptyFolder_WritesDefaultFirstThenCopiesIt", {"new", "Server"})
            .Writes({{"Default.wst", DefaultBytes()}, {"Server.wst", DefaultBytes()}}),
        Tool("ExistingDefaultFile_CopiedAsItIs", {"new", "Server"}, {{"Default.wst", published}})
            .Writes({{"Server.wst", published}}),
        Tool("ExistingProfile_CouldNotCreateAndUnchanged", {"new", "Server"},
            {{"Default.wst", DefaultBytes()}, {"Server.wst", published}})
            .Fails(1, "Could not create profile!\n"),
        Tool("Default_Refused", {"new", "Default"}).Fails(1, "Cannot save over default profile!\n"),
        Tool("LowerCaseDefault_IsAnOrdinaryName", {"new", "default"})
            .Writes({{"Default.wst", DefaultBytes()}, {"default.wst", DefaultBytes()}}),
        Tool("RefusedDefaultFile_CreatedButUnableToLoad", {"new", "Server"},
            {{"Default.wst", refused}})
            .Fails(1, "Unable to load WST file!\nNo activeTeams found!\n")
            .Writes({{"Server.wst", refused}}),
    };
    for (const auto& [label, name] : kUnusableNames) {
        scenarios.push_back(Tool(label + "_CouldNotCreate", {"new", name})
                                .Fails(1, "Could not create profile!\n")
                                .Writes({{"Default.wst", DefaultBytes()}}));
    }
    return scenarios;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(New, CliRun, ::testing::ValuesIn(NewScenarios()), CaseName{});
