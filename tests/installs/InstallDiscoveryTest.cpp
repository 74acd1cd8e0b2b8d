#include "installs/InstallDiscovery.h"
#include "tests/support/Documents.h"
#include "tests/support/FakeHome.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

// Bytes by file, relative to home; {home} stands for the home folder.
using Files = std::vector<std::pair<const char*, std::string>>;

// In the reasons too, {home} stands for the home folder.
struct Case {
    const char* name;
    std::vector<Prefix> prefixes;  // each system.reg changed after the one before
    Files files;
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
    return {home.environment, ChosenFolders::Read(SettingsFile::PathFor(home.environment)),
        std::nullopt};
}

std::string WithHome(const std::string& text, const FakeHome& home)
{
    return ReplaceAll(text, "{home}", home.path().string());
}

// Writes the files, links ~/.steam/steam to Steam's folder as Steam does, sets
// $WINEPREFIX when given, and searches.
InstallsFound WriteAndFind(FakeHome& home, const Files& files, const char* winePrefix)
{
    for (const auto& [file, text] : files)
        home.WriteFile(file, WithHome(text, home));
    fs::create_directory(home / ".steam");
    fs::create_directory_symlink("../.local/share/Steam", home / ".steam/steam");
    if (*winePrefix != '\0')
        home.environment.winePrefix = (home / winePrefix).string();
    InstallDiscovery discovery;
    return discovery.Find(SearchIn(home), FolderCreation::LookOnly);
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
        // PyYAML escapes letters outside ASCII in double quotes, and folds long lines.
        {"Lutris: a prefix outside ASCII", {{"Jeux/Été", {}, "C:\\G"}},
            {{".local/share/lutris/games/bfv.yml",
                FileBytes(QUAVEL_TEST_DATA "/lutris-escaped.yml")}},
            "", noKey + " Server", "Lutris Jeux/Été"},
        {"Lutris: a long prefix folded onto the next line",
            {{"Spiele/Battlefield Vietnam with the Custom Combat mod and the 2004 patches", {},
                "C:\\G"}},
            {{".config/lutris/games/bfv.yml", FileBytes(QUAVEL_TEST_DATA "/lutris-folded.yml")}},
            "", noKey + " Server",
            "Lutris Spiele/Battlefield Vietnam with the Custom Combat mod and the 2004 patches"},
        {"Lutris: a prefix under ~/ as a person writes it", {{"prefixes/bfv", {}, "C:\\G"}},
            {{".config/lutris/games/bfv.yml", "game:\n  prefix: ~/prefixes/bfv\n"}}, "",
            noKey + " Server", "Lutris prefixes/bfv"},
        {"Lutris as a Flatpak", {{"flatpak/bfv", {}, "C:\\G"}},
            {{".var/app/net.lutris.Lutris/data/lutris/games/bfv.yml",
                "game:\n  prefix: {home}/flatpak/bfv\n"}},
            "", noKey + " Server", "Lutris flatpak/bfv"},
        {"Lutris: game.prefix alone, not a prefix beside, below or after it",
            {{"prefixes/bfv", {}, "C:\\G"}, {"top", "C:\\S", {}}, {"listed", "C:\\S", {}},
                {"below", "C:\\S", {}}, {"next", "C:\\S", {}}},
            {{".config/lutris/games/bfv.yml",
                "prefix: {home}/top\ngame:\n  args: [a, {prefix: {home}/listed}]\n  launch:\n"
                "    prefix: {home}/below\n  prefix: {home}/prefixes/bfv\n---\ngame:\n"
                "  prefix: {home}/next\n"}},
            "", noKey + " Server", "Lutris prefixes/bfv"},
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
        // Steam clients before 2021 list their libraries as numbered paths.
        {"Proton in a library of the old list",
            {{"library2/steamapps/compatdata/20/pfx", {}, "C:\\G"}},
            {{".local/share/Steam/steamapps/libraryfolders.vdf",
                "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1600000000\"\n"
                "\t\"1\"\t\t\"{home}/library2\"\n}\n"}},
            "", noKey + " Server", "Steam Proton library2/steamapps/compatdata/20/pfx"},
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
        const InstallsFound found = WriteAndFind(home, test.files, test.winePrefix);
        std::set<fs::path> prefixes;
        for (const FoundPrefix& prefix : found.prefixes)
            EXPECT_TRUE(prefixes.insert(fs::canonical(prefix.prefix.folder())).second) << test.name;
        EXPECT_EQ(InUse(found.Of(Product::Server), home.path()), WithHome(test.server, home))
            << test.name;
        EXPECT_EQ(InUse(found.Of(Product::Game), home.path()), WithHome(test.game, home))
            << test.name;
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

namespace {

enum class Oddity { Fifo, LinkToDevZero, Folder, Sparse };

struct OddFile {
    const char* path;  // relative to home
    Oddity oddity;
    std::uintmax_t size = 0;  // of a sparse file
};

void MakeOddFile(const FakeHome& home, const OddFile& file)
{
    const fs::path path = home / file.path;
    fs::create_directories(path.parent_path());
    switch (file.oddity) {
    case Oddity::Fifo:
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        break;
    case Oddity::LinkToDevZero:
        fs::create_symlink("/dev/zero", path);
        break;
    case Oddity::Folder:
        fs::create_directory(path);
        break;
    case Oddity::Sparse:
        home.WriteFile(file.path, "");
        fs::resize_file(path, file.size);
        break;
    }
}

// What the user is told besides the install in use: the skipped files, then
// the game's installs that cannot be used.
std::vector<std::string> Told(const InstallsFound& found)
{
    std::vector<std::string> texts;
    for (const SkippedFile& skipped : found.skippedFiles)
        texts.push_back(skipped.Text());
    for (const FoundInstall& install : found.Of(Product::Game).found) {
        if (install.problem != InstallProblem::None)
            texts.push_back(install.ProblemText());
    }
    return texts;
}

constexpr std::uintmax_t kMebibyte = 1024 * 1024;

}  // namespace

// Every file the search reads may be anything: none can stop it, each is
// skipped with its reason, and the search goes on to the next.
TEST(InstallDiscovery, SkipsFilesItCannotUseSayingWhyAndGoesOn)
{
    struct Case {
        const char* name;
        std::vector<Prefix> prefixes;
        Files files;
        std::vector<OddFile> oddFiles;
        const char* winePrefix;
        std::string game;  // as InUse gives it
        std::vector<std::string> told;
    };
    const std::string wine = "cannot read the Wine registry {home}/";
    const std::string lutris = "cannot read the Lutris game file {home}/.config/lutris/games/";
    const std::vector<Case> cases = {
        {"a FIFO Lutris file next to a good one", {{"prefixes/bfv", {}, "C:\\G"}},
            {{".config/lutris/games/b.yml", "game:\n  prefix: {home}/prefixes/bfv\n"}},
            {{".config/lutris/games/a.yml", Oddity::Fifo}}, "", "Lutris prefixes/bfv",
            {lutris + "a.yml: not a regular file"}},
        {"Steam's library list a link to /dev/zero",
            {{".local/share/Steam/steamapps/compatdata/10/pfx", {}, "C:\\G"}}, {},
            {{".local/share/Steam/steamapps/libraryfolders.vdf", Oddity::LinkToDevZero}}, "",
            "Steam Proton .steam/steam/steamapps/compatdata/10/pfx",
            {"cannot read the Steam library list "
             "{home}/.steam/steam/steamapps/libraryfolders.vdf: not a regular file"}},
        {"an oversized system.reg in ~/.wine, a good one next", {{"Games/bfv", {}, "C:\\G"}}, {},
            {{".wine/system.reg", Oddity::Sparse, 64 * kMebibyte + 1}}, "", "Lutris Games/bfv",
            {wine + ".wine/system.reg: it is 67108865 bytes, more than 67108864 (64 MiB)"}},
        {"a folder named system.reg in $WINEPREFIX", {}, {},
            {{"custom/system.reg", Oddity::Folder}}, "custom",
            wine + "custom/system.reg: Is a directory",
            {wine + "custom/system.reg: Is a directory"}},
        {"a system.reg with a value of 100 kB: read", {{".wine", {}, "C:\\G"}},
            {{".wine/system.reg",
                InstallsRegistryText({}, "C:\\G") + "[Software\\\\Other] 1\n\"Big\"=\""
                    + std::string(100'000, 'x') + "\"\n"}},
            {}, "", "~/.wine .wine", {}},
        {"a system.reg that is not Wine's", {}, {{".wine/system.reg", "REGEDIT4\r\n"}}, {}, "",
            wine + ".wine/system.reg: its first line is not \"WINE REGISTRY Version 2\"",
            {wine + ".wine/system.reg: its first line is not \"WINE REGISTRY Version 2\""}},
        {"Lutris files that are not YAML or hold a NUL byte", {},
            {{".config/lutris/games/a.yml", "game:\n  prefix: [\n"},
                {".config/lutris/games/b.yml", std::string("game:\n  prefix: /a\0b\n", 20)}},
            {}, "", "no Wine prefix found",
            {lutris
                    + "a.yml: not valid YAML (line 3, column 1): did not find expected node "
                      "content",
                lutris + "b.yml: line 2 holds a NUL byte"}},
        {"a line of the library list longer than 64 KiB",
            {{".local/share/Steam/steamapps/compatdata/10/pfx", {}, "C:\\G"}},
            {{".local/share/Steam/steamapps/libraryfolders.vdf",
                "\"libraryfolders\"\n\"0\" \"/" + std::string(65536, 'a') + "\"\n"}},
            {}, "", "Steam Proton .steam/steam/steamapps/compatdata/10/pfx",
            {"cannot read the Steam library list "
             "{home}/.steam/steam/steamapps/libraryfolders.vdf: line 2 is longer than 65536 "
             "bytes"}},
        {"a settings file over 1 MiB: nothing chosen", {{".wine", {}, "C:\\G"}}, {},
            {{".config/quavel/quavel.conf", Oddity::Sparse, kMebibyte + 1}}, "", "~/.wine .wine",
            {"cannot read the settings file {home}/.config/quavel/quavel.conf: it is 1048577 "
             "bytes, more than 1048576 (1 MiB)"}},
    };
    for (const Case& test : cases) {
        FakeHome home;
        for (const Prefix& prefix : test.prefixes)
            home.AddPrefix(prefix.folder, InstallsRegistryText(prefix.server, prefix.game));
        for (const OddFile& file : test.oddFiles)
            MakeOddFile(home, file);
        const InstallsFound found = WriteAndFind(home, test.files, test.winePrefix);
        EXPECT_EQ(InUse(found.Of(Product::Game), home.path()), WithHome(test.game, home))
            << test.name;
        std::vector<std::string> told;
        for (const std::string& text : test.told)
            told.push_back(WithHome(text, home));
        EXPECT_EQ(Told(found), told) << test.name;
    }
}
