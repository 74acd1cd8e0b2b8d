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

TEST(UserDataFolderTest, LocationFollowsTheXdgDataHomeElseTheHomeFolder)
{
    struct Case {
        const char* name;
        UserDataFolder variables;
        std::optional<fs::path> expected;
    };
    const Case cases[] = {
        {"data home set", {"/data", "/home/a"}, "/data/quavel"},
        {"data home with a trailing slash", {"/data/", "/home/a"}, "/data/quavel"},
        {"data home empty", {"", "/home/a"}, "/home/a/.local/share/quavel"},
        {"data home relative counts as unset", {"data", "/home/a"}, "/home/a/.local/share/quavel"},
        {"neither set", {"", ""}, std::nullopt},
        {"home relative", {"", "home/a"}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.variables.Location(), c.expected) << c.name;
}

TEST(UserDataFolderTest, EnterCreatesTheMissingFoldersPrivateAndWorksInTheLast)
{
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
