#include "installs/GameDir.h"
#include "installs/WineRegistry.h"
#include "tests/support/Documents.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string kKey = "SOFTWARE\\EA GAMES\\Battlefield Vietnam";
const std::string kKey32 = "SOFTWARE\\Wow6432Node\\EA GAMES\\Battlefield Vietnam";

GameDirReading ReadGameDirFrom(
    std::string_view keySections, Architecture architecture = Architecture::Win32)
{
    return ReadGameDir(
        *WineRegistry::Parse(WineRegistryText(keySections, architecture), kInstallKeyPaths),
        kGameKeyPath);
}

}  // namespace

// The architecture comes from an "#arch=" line before the first key.
TEST(ReadGameDir, ReadsTheKeyA32BitProgramOpensFromFilesAsWineWritesThem)
{
    const std::string fixture = FileBytes(QUAVEL_TEST_DATA "/system.reg.excerpt");
    for (const std::string& registry : {fixture, ReplaceAll(fixture, "\n", "\r\n")}) {
        const FakeWinePrefix fake;
        fake.WriteRegistry(registry);
        EXPECT_EQ(ReadGameDir(fake.prefix(), kGameKeyPath),
            "D:\\Spiele\\Schlachtfeld Vietnam \"\xC3\x84\"");
    }
    const FakeWinePrefix fake;  // no system.reg
    EXPECT_EQ(ReadGameDir(fake.prefix(), kGameKeyPath), std::nullopt);

    const std::string gameDir = "\n\"GAMEDIR\"=\"C:\\\\Found\"\n";
    const std::string native
        = "[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\n\"GAMEDIR\"=\"C:\\\\Native\"\n";
    const std::string node = "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam] "
                             "1\n\"GAMEDIR\"=\"C:\\\\Node\"\n";
    using enum Architecture;
    struct Case {
        const char* name;
        Architecture architecture;
        std::string keys;
        std::optional<std::string> folder;
        std::string keyRead;
    };
    const std::vector<Case> cases = {
        {"64-bit, both keys", Win64, native + node, "C:\\Node", kKey32},
        {"64-bit, native key only", Win64, native, "C:\\Native", kKey},
        // No going back to the native key once the Wow6432Node key exists.
        {"64-bit, node key only through a subkey", Win64,
            native + "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam\\\\Patch] 1\n",
            std::nullopt, kKey32},
        {"64-bit, a longer node key only", Win64,
            native + "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam II] 1\n",
            "C:\\Native", kKey},
        {"64-bit, no key", Win64, "[Software\\\\Other] 1\n", std::nullopt, kKey32},
        {"32-bit, both keys", Win32, native + node, "C:\\Native", kKey},
        {"32-bit option", Win32, "#arch=win32\n" + native + node, "C:\\Native", kKey},
        {"32-bit, node key only", Win32, node, std::nullopt, kKey},
    };
    for (const Case& test : cases) {
        const GameDirReading reading = ReadGameDirFrom(test.keys, test.architecture);
        EXPECT_EQ(reading.folder, test.folder) << test.name;
        EXPECT_EQ(reading.keyRead, test.keyRead) << test.name;
    }
    // The key line in other spellings, or only looking like it.
    for (const auto& [keyLine, found] : {
             std::pair("  [\\\\SOFTWARE\\\\ea games\\\\\\\\BATTLEFIELD VIETNAM\\\\] 1", true),
             std::pair("[\\x53oftware\\\\EA GAMES\\\\Battlefield\\x20Vietnam] 1", true),
             std::pair("[Software\\\\EA GAMES\\\\Battlefield Vietnam2] 1", false),
             std::pair("[Software\\\\EA GAMES\\\\Battlefield Vietnam 1", false),
             std::pair(
                 "[Software\\\\Other] 1\n\"v\"=\"[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\"",
                 false),
         })
        EXPECT_EQ(ReadGameDirFrom(keyLine + gameDir).folder,
            found ? "C:\\Found" : std::optional<std::string>())
            << keyLine;
}

// The game reads GAMEDIR into 256 bytes of Windows-1252, terminator included:
// one byte per character, and one '?' for a character that code page lacks
// (for a pair of UTF-16 surrogates too).
TEST(ReadGameDir, AcceptsOnlyPlainStringsThatFitTheGamesBufferAndSaysWhatItRead)
{
    const std::string fits(255, 'a');
    const std::string fitsLessOne(254, 'a');
    const auto line
        = [](std::string_view quoted) { return "\"GAMEDIR\"=\"" + std::string(quoted) + '"'; };
    using enum InstallProblem;
    const std::vector<std::tuple<std::string, std::optional<std::string>, InstallProblem>> cases = {
        {line("C:\\\\BFV"), "C:\\BFV", None},
        {"\"GAMEDIR\"=hex(1):43,00,3a,00,5c,00,42,00,46,00,56,00,20,00,c4,00,00,00",
            "C:\\BFV \xC3\x84", None},
        {R"("GAMEDIR"=str(2):"C:\\BFV")", std::nullopt, NotPlainString},
        {R"("GAMEDIR"=dword:00000001)", std::nullopt, NotPlainString},
        {R"("GAMEDIRS"="C:\\BFV")", std::nullopt, ValueMissing},
        {line(fits), fits, None},
        {line(fits + "a"), std::nullopt, ValueTooLong},
        {line(fitsLessOne + "\\xc4"), fitsLessOne + "\xC3\x84", None},
        {line(fitsLessOne + "\\xd83d\\xde00"), fitsLessOne + "\xF0\x9F\x98\x80", None},
    };
    for (const auto& [valueLines, folder, problem] : cases) {
        const GameDirReading reading
            = ReadGameDirFrom("[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\n" + valueLines);
        EXPECT_EQ(reading.folder, folder) << valueLines.substr(0, 40);
        EXPECT_EQ(reading.problem, problem) << valueLines.substr(0, 40);
    }
}
