#include "installs/SettingsFile.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

TEST(SettingsFile, ChangesOnlyItsOwnLinesAndKeepsTheRest)
{
    EXPECT_EQ(SettingsFile::PathFor({"/home/me", "", ""}), "/home/me/.config/quavel/quavel.conf");
    EXPECT_EQ(SettingsFile::PathFor({"/home/me", "", "/cfg"}), "/cfg/quavel/quavel.conf");
    const TestFolder folder;
    const std::filesystem::path path = folder / "config/quavel/quavel.conf";
    std::optional<SettingsFile> settings = SettingsFile::Load(path);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Get(kGameFolderSetting), std::nullopt);
    EXPECT_TRUE(settings->Set(kGameFolderSetting, "/games/bfv"));
    ASSERT_EQ(settings->Save(), 0);
    EXPECT_EQ(folder.Read("config/quavel/quavel.conf"), "[installs]\ngame=/games/bfv\n");

    folder.Write("config/quavel/quavel.conf",
        "; mine\r\n[window]\ngame = kept\n\n[installs]\n  prefix = /p \nlater=x\n\n[other]\n");
    settings = SettingsFile::Load(path);
    EXPECT_EQ(settings->Get("window.game"), "kept");
    EXPECT_EQ(settings->Get(kPrefixSetting), "/p");
    EXPECT_TRUE(settings->Set(kPrefixSetting, "/q"));
    EXPECT_TRUE(settings->Set(kServerFolderSetting, "/srv/bfv"));
    EXPECT_TRUE(settings->Set("new.key", "v"));
    EXPECT_TRUE(settings->Unset("installs.later"));
    EXPECT_FALSE(settings->Unset("installs.later"));
    for (const auto& [key, value] : {std::pair("installs", "x"), std::pair("a.b", "line\nbreak")})
        EXPECT_FALSE(settings->Set(key, value)) << key;
    ASSERT_EQ(settings->Save(), 0);
    EXPECT_EQ(folder.Read("config/quavel/quavel.conf"),
        "; mine\n[window]\ngame = kept\n\n[installs]\nprefix=/q\nserver=/srv/bfv\n\n[other]\n\n"
        "[new]\nkey=v\n");
    EXPECT_EQ(SettingsFile::Load(path)->Get(kServerFolderSetting), "/srv/bfv");

    EXPECT_FALSE(SettingsFile::Load(folder / "config"));  // a folder, not a file
}
