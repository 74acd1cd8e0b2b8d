#include "installs/SettingsFile.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::filesystem::path kName = "config/quavel/quavel.conf";

}  // namespace

TEST(SettingsFile, StartsAFileWhereNoneIsAndRefusesBadKeysAndValues)
{
    EXPECT_EQ(SettingsFile::PathFor({"/home/me", "", ""}), "/home/me/.config/quavel/quavel.conf");
    EXPECT_EQ(SettingsFile::PathFor({"/home/me", "", "/cfg"}), "/cfg/quavel/quavel.conf");
    const TestFolder folder;
    std::optional<SettingsFile> settings = SettingsFile::Load(folder / kName).settings;
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Get(kGameFolderSetting), std::nullopt);
    EXPECT_TRUE(settings->Set(kGameFolderSetting, "/games/bfv"));
    for (const auto& [key, value] : {std::pair("installs", "x"), std::pair("a.b", "line\nbreak"),
             std::pair("a.b", "carriage\rreturn")})
        EXPECT_FALSE(settings->Set(key, value)) << key;
    EXPECT_FALSE(settings->Set("a.b", std::string_view("nul\0byte", 8)));
    EXPECT_FALSE(settings->Unset(kServerFolderSetting));
    ASSERT_EQ(settings->Save(), 0);
    EXPECT_EQ(folder.Read(kName), "[installs]\ngame = /games/bfv\n");
}

// Files as people write them by hand: each row's changes (a value, or none to
// unset) are saved and the file read again.
TEST(SettingsFile, EditsAHandWrittenFileKeepingWhatItDoesNotChange)
{
    using Change = std::pair<std::string_view, std::optional<std::string_view>>;
    struct Case {
        const char* name;
        std::string before;
        std::optional<std::string> gameBefore;
        std::vector<Change> changes;
        std::string after;
        std::optional<std::string> gameAfter;
    };
    const std::vector<Case> cases = {
        {"CRLF line ends kept, and given to new lines", "[installs]\r\nprefix = /p\r\ngame=\r\n",
            "", {{kGameFolderSetting, "/g"}, {kServerFolderSetting, "/s"}},
            "[installs]\r\nprefix = /p\r\ngame=/g\r\nserver = /s\r\n", "/g"},
        {"the last of two [installs] sections counts, and is where a value goes",
            "[installs]\ngame=/first\n\n[window]\nx=1\n\n[installs]\ngame=/second\n", "/second",
            {{kGameFolderSetting, "/new"}},
            "[installs]\n\n[window]\nx=1\n\n[installs]\ngame=/new\n", "/new"},
        {"unset removes a key from every section, set keeps its line where it is",
            "[installs]\ngame=/a\nserver=/s\n[installs]\ngame=/old\n", "/old",
            {{kGameFolderSetting, {}}, {kServerFolderSetting, "/t"}},
            "[installs]\nserver=/t\n[installs]\n", {}},
        {"comments, blank lines, spaces around =, named sections and unknown keys",
            "# mine\n\n[server \"eu1\"]\nhost = eu1.example.org\n\n[installs]\n  ; my game\n"
            "  game  =  /old path  \nmystery = 42\n\n\n",
            "/old path", {{kGameFolderSetting, "/new"}, {kServerFolderSetting, "/srv"}},
            "# mine\n\n[server \"eu1\"]\nhost = eu1.example.org\n\n[installs]\n  ; my game\n"
            "  game  =  /new\nmystery = 42\nserver = /srv\n\n\n",
            "/new"},
        {"no line end after the last line", "[window]\nx=1", {}, {{kGameFolderSetting, "/g"}},
            "[window]\nx=1\n\n[installs]\ngame = /g\n", "/g"},
    };
    for (const Case& test : cases) {
        const TestFolder folder;
        std::filesystem::create_directories((folder / kName).parent_path());
        folder.Write(kName, test.before);
        std::optional<SettingsFile> settings = SettingsFile::Load(folder / kName).settings;
        ASSERT_TRUE(settings) << test.name;
        EXPECT_EQ(settings->Get(kGameFolderSetting), test.gameBefore) << test.name;
        for (const auto& [key, value] : test.changes) {
            if (value)
                EXPECT_TRUE(settings->Set(key, *value)) << test.name;
            else
                EXPECT_TRUE(settings->Unset(key)) << test.name;
        }
        ASSERT_EQ(settings->Save(), 0) << test.name;
        EXPECT_EQ(folder.Read(kName), test.after) << test.name;
        EXPECT_EQ(
            SettingsFile::Load(folder / kName).settings->Get(kGameFolderSetting), test.gameAfter)
            << test.name;
    }
}
