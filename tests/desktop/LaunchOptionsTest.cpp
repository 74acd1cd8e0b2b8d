#include "app/LaunchOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(LaunchOptionsTest, ReadsOptionsAndAProfileFileAndRefusesTheRest)
{
    using enum LaunchRequest;
    using enum StartFolder;
    struct Case {
        const char* name;
        std::vector<const char*> arguments;
        LaunchRequest request;
        StartFolder startFolder = Current;
        const char* profileFolder = "";
        const char* profileToOpen = "";
        const char* refusal = "";
        const char* prefix = "";
    };
    const Case cases[] = {
        {"no arguments", {"quavel"}, OpenWindow},
        {"not even a program path", {}, OpenWindow},
        {"help wins over version", {"quavel", "--version", "-h"}, ShowHelp},
        {"version", {"quavel", "--version"}, ShowVersion},
        {"menu with the switch", {"quavel", "+bvrm", "--menu"}, OpenWindow, UserData},
        {"toolkit options pass with their values",
            {"quavel", "-style", "fusion", "-platform=offscreen", "-reverse"}, OpenWindow},
        {"a profile file", {"quavel", "games/bfv/Weekend.wst"}, OpenWindow, ProfileFolder,
            "games/bfv", "Weekend"},
        {"a profile file here, any letter case", {"quavel", "Night.WST"}, OpenWindow, ProfileFolder,
            ".", "Night"},
        {"a profile file wins over the menu", {"quavel", "--menu", "/srv/A.wst"}, OpenWindow,
            ProfileFolder, "/srv", "A"},
        {"the program path names nothing", {"--help"}, OpenWindow},
        {"whole option names only", {"quavel", "--helpful"}, Refuse, Current, "", "",
            "unknown option --helpful"},
        {"letter case counts", {"quavel", "--Menu"}, Refuse, Current, "", "",
            "unknown option --Menu"},
        {"a refusal wins over help", {"quavel", "-x", "--help"}, Refuse, Current, "", "",
            "unknown option -x"},
        {"not a profile file", {"quavel", "notes.txt"}, Refuse, Current, "", "",
            "not a profile file (NAME.wst): notes.txt"},
        {"no name before the extension", {"quavel", "dir/.wst"}, Refuse, Current, "", "",
            "not a profile file (NAME.wst): dir/.wst"},
        {"two profile files", {"quavel", "A.wst", "B.wst"}, Refuse, ProfileFolder, ".", "A",
            "more than one profile file named: B.wst"},
        {"a prefix takes the next argument whatever it is", {"quavel", "--prefix", "--help"},
            OpenWindow, Current, "", "", "", "--help"},
        {"a prefix needs its value", {"quavel", "--prefix"}, Refuse, Current, "", "",
            "--prefix needs a value PATH"},
    };
    for (const Case& c : cases) {
        const LaunchOptions options = LaunchOptions::FromArguments(
            static_cast<int>(c.arguments.size()), c.arguments.data());
        EXPECT_EQ(options.request, c.request) << c.name;
        EXPECT_EQ(options.startFolder, c.startFolder) << c.name;
        EXPECT_EQ(options.profileFolder, c.profileFolder) << c.name;
        EXPECT_EQ(options.profileToOpen, c.profileToOpen) << c.name;
        EXPECT_EQ(options.refusal, c.refusal) << c.name;
        EXPECT_EQ(options.prefix, c.prefix) << c.name;
    }
}

}  // namespace
