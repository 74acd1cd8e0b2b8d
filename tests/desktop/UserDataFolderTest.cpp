#include "app/UserDataFolder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Entering a folder moves the whole test process; this puts it back.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() = default;
    ~CurrentFolderGuard() { fs::current_path(saved_); }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    fs::path saved_ = fs::current_path();
};

fs::path PathOf(const QTemporaryDir& folder)
{
    return fs::path(folder.path().toStdString());
}

fs::perms PermissionsOf(const fs::path& path)
{
    return fs::status(path).permissions() & fs::perms::mask;
}

// The launch test covers where the folder is; this, what it is made like.
TEST(UserDataFolderTest, EnterCreatesTheMissingFoldersPrivateAndWorksInTheLast)
{
    EXPECT_EQ((UserDataFolder{"data", "home/a"}.Location()), std::nullopt);  // relative: unset
    const QTemporaryDir temporary;
    const CurrentFolderGuard guard;
    const fs::path home = PathOf(temporary) / "home";
    fs::create_directory(home);
    fs::permissions(home, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);

    const UserDataFolder variables{"", home.string()};
    EXPECT_EQ(variables.Enter(), std::nullopt);

    const fs::path folder = home / ".local" / "share" / "quavel";
    EXPECT_TRUE(fs::equivalent(fs::current_path(), folder));
    for (const fs::path& created : {home / ".local", home / ".local" / "share", folder})
        EXPECT_EQ(PermissionsOf(created), fs::perms::owner_all) << created;
    EXPECT_EQ(
        PermissionsOf(home), fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
