// The program's one switch.

#include "app/EditorApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(EditorAppTest, WorkingFolderSwitchIsFoundAnywhereInTheCommandLine)
{
    struct Case {
        std::vector<const char*> arguments;
        bool expected;
    };
    const Case cases[] = {
        {{"/opt/quavel/quavel", "+bvrm"}, true},
        {{"quavel", "x+bvrmy"}, true},
        {{"/home/a+bvrm/quavel"}, true},
        {{"quavel", "+BVRM"}, false},  // letter case counts
        {{"quavel", "+bv", "rm"}, false},
        {{}, false},
    };
    for (const Case& c : cases) {
        const int count = static_cast<int>(c.arguments.size());
        EXPECT_EQ(EditorApp::HasWorkingFolderSwitch(count, c.arguments.data()), c.expected)
            << (count > 1 ? c.arguments[1] : "");
    }
}

}  // namespace
