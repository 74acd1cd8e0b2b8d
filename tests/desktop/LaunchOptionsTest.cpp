#include "app/LaunchOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(LaunchOptionsTest, ReadsHelpVersionAndMenuFromTheirOwnArguments)
{
    struct Case {
        const char* name;
        std::vector<const char*> arguments;
        LaunchRequest request;
        StartFolder startFolder;
        std::string prefix = "";
    };
    const Case cases[] = {
        {"no arguments", {"quavel"}, LaunchRequest::OpenWindow, StartFolder::Current},
        {"not even a program path", {}, LaunchRequest::OpenWindow, StartFolder::Current},
        {"help", {"quavel", "--help"}, LaunchRequest::ShowHelp, StartFolder::Current},
        {"short help", {"quavel", "-h"}, LaunchRequest::ShowHelp, StartFolder::Current},
        {"version", {"quavel", "--version"}, LaunchRequest::ShowVersion, StartFolder::Current},
        {"help wins over version", {"quavel", "--version", "-h"}, LaunchRequest::ShowHelp,
            StartFolder::Current},
        {"menu", {"quavel", "--menu"}, LaunchRequest::OpenWindow, StartFolder::UserData},
        {"menu with the switch", {"quavel", "+bvrm", "--menu"}, LaunchRequest::OpenWindow,
            StartFolder::UserData},
        {"menu asking for help", {"quavel", "--menu", "--help"}, LaunchRequest::ShowHelp,
            StartFolder::UserData},
        {"the switch is no option here", {"quavel", "+bvrm"}, LaunchRequest::OpenWindow,
            StartFolder::Current},
        {"toolkit options pass", {"quavel", "-style", "fusion"}, LaunchRequest::OpenWindow,
            StartFolder::Current},
        {"whole arguments only", {"quavel", "--helpful", "--menus", "x--version"},
            LaunchRequest::OpenWindow, StartFolder::Current},
        {"letter case counts", {"quavel", "--HELP", "--Menu"}, LaunchRequest::OpenWindow,
            StartFolder::Current},
        {"the program path names no option", {"--help"}, LaunchRequest::OpenWindow,
            StartFolder::Current},
        {"prefix takes the next argument whatever it is", {"quavel", "--prefix", "--help"},
            LaunchRequest::OpenWindow, StartFolder::Current, "--help"},
        {"prefix at the end has no value", {"quavel", "--menu", "--prefix"},
            LaunchRequest::OpenWindow, StartFolder::UserData},
    };
    for (const Case& c : cases) {
        const LaunchOptions options = LaunchOptions::FromArguments(
            static_cast<int>(c.arguments.size()), c.arguments.data());
        EXPECT_EQ(options.request, c.request) << c.name;
        EXPECT_EQ(options.startFolder, c.startFolder) << c.name;
        EXPECT_EQ(options.prefix, c.prefix) << c.name;
    }
}

TEST(LaunchOptionsTest, HelpNamesTheProgramAndListsEveryOption)
{
    const std::string help = LaunchHelp("quavel-test");
    EXPECT_TRUE(help.starts_with("Usage: quavel-test [--menu] [--prefix PATH] [+bvrm]\n\n")) << help;
    EXPECT_NE(help.find("~/.local/share/quavel"), std::string::npos) << help;
    EXPECT_TRUE(help.ends_with("Options:\n"
                               "  --menu          keep the profiles in the user's data folder for "
                               "Quavel\n"
                               "  --prefix PATH   look for the game and the server in this Wine "
                               "prefix only\n"
                               "  +bvrm           publish only into the working folder\n"
                               "  --help, -h      show this help and exit\n"
                               "  --version       show the program's version and exit\n"))
        << help;
}

}  // namespace
