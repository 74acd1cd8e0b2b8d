#include "installs/InstallDiscovery.h"
#include "tests/support/Documents.h"
#include "tests/support/FakeHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kTooLong = "C:\\" + std::string(kGameDirBufferBytes, 'a');

struct Prefix {
    const char* folder;  // relative to home
    std::optional<std::string_view> server;
    std::optional<std::string_view> game;
};

// In the files and in the reasons, {home} stands for the home folder.
struct Case {
    const char* name;
    std::vector<Prefix> prefixes;  // each system.reg changed after the one before
    std::vector<std::pair<const char*, std::string>> files;
    const char* winePrefix;
    // The source and the prefix (or chosen folder, relative to home) of each
    // install in use, else the reason.
    std::string server;
    std::string game;
};

std::string InUse(const ProductInstalls& installs, const fs::path& home)
{
    const FoundInstall* install = installs.InUse();
    if (install == nullptr)
        return DescribeProblem(installs.problem, installs.problemDetail);
    const fs::path& folder
        = install->prefixFolder.empty() ? install->location.folder : install->prefixFolder;
    return std::string(SourceName(install->source)) + " "
        + folder.lexically_relative(home).string();
}

InstallSearch SearchIn(const FakeHome& home)
{
    const std::optional<SettingsFile> settings
        = SettingsFile::Load(SettingsFile::PathFor(home.environment));
    return {home.environment, ChosenFolders::FromSettings(*settings), std::nullopt};
}

}  // namespace

TEST(InstallDiscovery, PicksTheFirstUsableInstallInTheOrderOfPreference)
{
    const std::string noKey = "no registry key HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\EA "
                              "GAMES\\Battlefield Vietnam";
    const std::vector<Case> cases = {
        {"Lutris: a game file's prefix and ~/Games",
            {{"prefixes/bfv", {}, "C:\\G"}, {"Games/server", "C:\\S", {}}, {"Games/other", {}, {}}},
            {{".config/lutris/games/bfv-1.yml", FileBytes(QUAVEL_TEST_DATA "/lutris-game.yml")}},
            "", "Lutris Games/server", "Lutris prefixes/bfv"},
        {"Bottles native and Flatpak, the newest first",
            {{".local/share/bottles/bottles/BFV", "C:\\S", "C:\\G"},
                {".var/app/com.usebottles.bottles/data/bottles/bottles/BFV", {}, "C:\\G"}},
            {}, "", "Bottles .local/share/bottles/bottles/BFV",
            "Bottles .var/app/com.usebottles.bottles/data/bottles/bottles/BFV"},
        {"~/.wine before PlayOnLinux however old",
            {{".wine", {}, "C:\\G"}, {".PlayOnLinux/wineprefix/BFV", "C:\\S", "C:\\G"}}, {}, "",
            "PlayOnLinux .PlayOnLinux/wineprefix/BFV", "~/.wine .wine"},
        {"Proton in a second library, a prefix reached twice counted once",
            {{".local/share/Steam/steamapps/compatdata/10/pfx", "C:\\S", {}},
                {"library2/steamapps/compatdata/20/pfx", {}, "C:\\G"}},
            {{".local/share/Steam/steamapps/libraryfolders.vdf",
                FileBytes(QUAVEL_TEST_DATA "/libraryfolders.vdf")}},
            "", "Steam Proton .steam/steam/steamapps/compatdata/10/pfx",
            "Steam Proton library2/steamapps/compatdata/20/pfx"},
        {"Heroic before CrossOver",
            {{"Games/Heroic/Prefixes/default/BFV", {}, "C:\\G"},
                {".cxoffice/BFV", "C:\\S", "C:\\G"}},
            {}, "", "CrossOver .cxoffice/BFV", "Heroic Games/Heroic/Prefixes/default/BFV"},
        {"$WINEPREFIX first", {{"custom", {}, "C:\\G"}, {".wine", "C:\\S", "C:\\G"}}, {}, "custom",
            "~/.wine .wine", "$WINEPREFIX custom"},
        {"chosen folders and prefix from the settings file",
            {{"elsewhere", "C:\\S", {}}, {".wine", "C:\\S", "C:\\G"}},
            {{".config/quavel/quavel.conf",
                 "[installs]\ngame = {home}/bfv\nprefix={home}/elsewhere\n"},
                {"bfv/BfVietnam.exe", ""}},
            "", "chosen prefix elsewhere", "chosen folder bfv"},
        {"a chosen folder that is gone, then the next", {{".wine", "C:\\S", {}}},
            {{".config/quavel/quavel.conf", "[installs]\nserver=/gone\n"}}, "", "~/.wine .wine",
            noKey},
        {"unusable values passed over",
            {{".wine", {}, "D:\\BFV"}, {"Games/bfv", {}, kTooLong}, {".cxoffice/x", {}, "C:\\G"}},
            {}, "", noKey + " Server", "CrossOver .cxoffice/x"},
        {"none usable: the problem of the first", {{"Games/bfv", kTooLong, "D:\\BFV"}}, {}, "",
            "GAMEDIR in HKEY_LOCAL_MACHINE\\SOFTWARE\\EA GAMES\\Battlefield Vietnam Server is "
            "longer than the game's 255 characters",
            "the drive of D:\\BFV has no link in the Wine prefix's dosdevices folder"},
        {"no prefix", {}, {{"Games/empty/drive_c/x", ""}}, "", "no Wine prefix found",
            "no Wine prefix found"},
        {"$WINEPREFIX without a registry", {}, {{"empty/x", ""}}, "empty",
            "no Wine registry (system.reg) in {home}/empty",
            "no Wine registry (system.reg) in {home}/empty"},
    };
    for (const Case& test : cases) {
        FakeHome home;
        const auto now = fs::file_time_type::clock::now();
        for (std::size_t index = 0; index < test.prefixes.size(); ++index) {
            const Prefix& prefix = test.prefixes[index];
            const fs::path folder
                = home.AddPrefix(prefix.folder, InstallsRegistryText(prefix.server, prefix.game));
            fs::last_write_time(
                folder / "system.reg", now - std::chrono::minutes(test.prefixes.size() - index));
        }
        const auto withHome = [&](const std::string& text) {
            return ReplaceAll(text, "{home}", home.path().string());
        };
        for (const auto& [file, text] : test.files)
            home.WriteFile(file, withHome(text));
        fs::create_directory(home / ".steam");
        fs::create_directory_symlink("../.local/share/Steam", home / ".steam/steam");
        if (*test.winePrefix != '\0')
            home.environment.winePrefix = (home / test.winePrefix).string();

        InstallDiscovery discovery;
        const InstallsFound found = discovery.Find(SearchIn(home), FolderCreation::LookOnly);
        std::set<fs::path> prefixes;
        for (const FoundPrefix& prefix : found.prefixes)
            EXPECT_TRUE(prefixes.insert(fs::canonical(prefix.prefix.folder())).second) << test.name;
        EXPECT_EQ(InUse(found.Of(Product::Server), home.path()), withHome(test.server))
            << test.name;
        EXPECT_EQ(InUse(found.Of(Product::Game), home.path()), withHome(test.game)) << test.name;
    }
}

// A folder chosen in the settings file needs no registry; its settings folder
// is made when asked, and the prefix option leaves it out.
TEST(InstallDiscovery, PreparesAChosenFolderUnlessOnlyAPrefixIsSearched)
{
    FakeHome home;
    fs::create_directories(home / "server/MODS/BfVietnam");
    home.WriteFile(
        ".config/quavel/quavel.conf", "[installs]\nserver=" + (home / "server").string());
    InstallSearch search = SearchIn(home);
    InstallDiscovery discovery;
    const auto serverPath = [&] {
        return discovery.Find(search, FolderCreation::Create)
            .Of(Product::Server)
            .PublishPathOrReason();
    };
    EXPECT_EQ(
        serverPath(), home.path() / "server/MODS/BfVietnam/save/GameModeSettings/CustomCombat.wst");
    EXPECT_TRUE(fs::is_directory(home / "server/MODS/BfVietnam/save/GameModeSettings"));
    EXPECT_EQ(home.Entries("server/MODS"), std::set<std::string>{"BfVietnam"});
    search.onlyPrefix = home / "server";
    EXPECT_EQ(serverPath(), "no Wine registry (system.reg) in " + (home / "server").string());
}

TEST(InstallDiscovery, ReadsARegistryAgainWhenItChanged)
{
    FakeHome home;
    home.AddPrefix(".wine", "");
    InstallDiscovery discovery;
    for (const std::string folder : {"C:\\Old", "C:\\Newer"}) {
        home.Write(".wine/system.reg", InstallsRegistryText({}, folder));
        const InstallsFound found = discovery.Find(SearchIn(home), FolderCreation::LookOnly);
        EXPECT_EQ(found.Of(Product::Game).InUse()->location.windowsFolder, folder);
    }
}
