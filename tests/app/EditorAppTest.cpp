// The program's one switch.

#include "app/EditorApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(EditorAppTest, WorkingFolderSwitchAnywhereInTheCommandLineLimitsPublishing)
{
    struct Case {
        std::vector<const char*> arguments;
        PublishScope expected;
    };
    const Case cases[] = {
        {{"/opt/quavel/quavel", "+bvrm"}, PublishScope::WorkingFolderOnly},
        {{"quavel", "x+bvrmy"}, PublishScope::WorkingFolderOnly},
        {{"/home/a+bvrm/quavel"}, PublishScope::WorkingFolderOnly},
        // Also as the value of an option the program reads itself.
        {{"quavel", "--prefix", "/games/+bvrm"}, PublishScope::WorkingFolderOnly},
        {{"quavel", "+BVRM"}, PublishScope::Installs},  // letter case counts
        {{"quavel", "+bv", "rm"}, PublishScope::Installs},
        {{}, PublishScope::Installs},
    };
    for (const Case& c : cases) {
        const int count = static_cast<int>(c.arguments.size());
        EXPECT_EQ(EditorApp::PublishScopeOf(count, c.arguments.data()), c.expected)
            << (count > 1 ? c.arguments[1] : "");
    }
}

}  // namespace
