#include "CliTest.h"

namespace {

// The refusals of names are the window's own; here what the tool prints for them.
std::vector<Scenario> NewScenarios()
{
    const std::string published = WithTeams("3/4");
    return {
        // Only "Default" itself is the built-in profile.
        Tool("EmptyFolder_WritesDefaultFirstThenCopiesIt", {"new", "default"})
            .Writes({{"Default.wst", DefaultBytes()}, {"default.wst", DefaultBytes()}}),
        Tool("ExistingDefaultFile_CopiedAsItIs", {"new", "Server"}, {{"Default.wst", published}})
            .Writes({{"Server.wst", published}}),
        Tool("ExistingProfile_CouldNotCreateAndUnchanged", {"new", "Server"},
            {{"Default.wst", DefaultBytes()}, {"Server.wst", published}})
            .Fails(1, "Could not create profile!\n"),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    New, CliRun, ::testing::ValuesIn(NewScenarios()), ::testing::PrintToStringParamName());
