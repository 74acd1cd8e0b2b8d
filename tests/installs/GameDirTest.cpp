#include "installs/GameDir.h"
#include "installs/WineRegistry.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

const std::string kKey = "SOFTWARE\\EA GAMES\\Battlefield Vietnam";
const std::string kKey32 = "SOFTWARE\\Wow6432Node\\EA GAMES\\Battlefield Vietnam";

GameDirReading ReadGameDirFrom(std::string_view keySections, Architecture architecture)
{
    return ReadGameDir(
        *WineRegistry::Parse(WineRegistryText(keySections, architecture), kInstallKeyPaths),
        kGameKeyPath);
}

}  // namespace

TEST(ReadGameDir, ReadsTheKeyA32BitProgramOpensFromFilesAsWineWritesThem)
{
    const std::string fixture = FileBytes(QUAVEL_TEST_DATA "/system.reg.excerpt");
    std::string crLf;
    for (const char character : fixture)
        crLf += character == '\n' ? "\r\n" : std::string(1, character);
    for (const std::string& registry : {fixture, crLf}) {
        const FakeWinePrefix fake;
        fake.WriteRegistry(registry);
        EXPECT_EQ(ReadGameDir(fake.prefix(), kGameKeyPath),
            "D:\\Spiele\\Schlachtfeld Vietnam \"\xC3\x84\"");
    }
    const FakeWinePrefix fake;  // no system.reg
    EXPECT_EQ(ReadGameDir(fake.prefix(), kGameKeyPath), std::nullopt);

    for (const auto& [keys, architecture, keyRead] : {
             std::tuple("[Software\\\\Other] 1\n", Architecture::Win64, kKey32),
             std::tuple("[Software\\\\Other] 1\n", Architecture::Win32, kKey),
             // No going back to the key as given once the Wow6432Node key exists.
             std::tuple("[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\n\"GAMEDIR\"=\"C:\"\n"
                        "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam\\\\Patch] 1\n",
                 Architecture::Win64, kKey32),
         }) {
        const GameDirReading reading = ReadGameDirFrom(keys, architecture);
        EXPECT_EQ(reading.folder, std::nullopt) << keys;
        EXPECT_EQ(reading.keyRead, keyRead) << keys;
    }
}

// The game reads GAMEDIR into 256 bytes of Windows-1252, terminator included:
// one byte per character, and one '?' for a character that code page lacks.
TEST(ReadGameDir, AcceptsOnlyPlainStringsThatFitTheGamesBufferAndSaysWhatItRead)
{
    const std::string fits(255, 'a');
    const std::string fitsLessOne(254, 'a');
    const auto line
        = [](std::string_view quoted) { return "\"GAMEDIR\"=\"" + std::string(quoted) + '"'; };
    using enum InstallProblem;
    const std::vector<std::tuple<std::string, std::optional<std::string>, InstallProblem>> cases = {
        {line("C:\\\\BFV"), "C:\\BFV", None},
        {"\"GAMEDIR\"=hex(1):43,00,3a,00,5c,00,42,00,46,00,56,00,\\\n  20,00,c4,00,00,00",
            "C:\\BFV \xC3\x84", None},
        {R"("GAMEDIR"=str(2):"C:\\BFV")", std::nullopt, NotPlainString},
        {R"("GAMEDIR"=str(7):"C:\\BFV\0")", std::nullopt, NotPlainString},
        {R"("GAMEDIR"=hex:43,00,3a,00,00,00)", std::nullopt, NotPlainString},
        {R"("GAMEDIR"=dword:00000001)", std::nullopt, NotPlainString},
        {R"("GAMEDIRS"="C:\\BFV")", std::nullopt, ValueMissing},
        {line(fits), fits, None},
        {line(fits + "a"), std::nullopt, ValueTooLong},
        {line(fitsLessOne + "\\xc4"), fitsLessOne + "\xC3\x84", None},
        {line(fitsLessOne + "\\xd83d\\xde00"), fitsLessOne + "\xF0\x9F\x98\x80", None},
        {line(fitsLessOne + "\\x263a"), fitsLessOne + "\xE2\x98\xBA", None},
        {line(fits + "\\x263a"), std::nullopt, ValueTooLong},
    };
    for (const auto& [valueLines, folder, problem] : cases) {
        for (const Architecture architecture : {Architecture::Win32, Architecture::Win64}) {
            const GameDirReading reading = ReadGameDirFrom(
                "[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\n" + valueLines + "\n",
                architecture);
            EXPECT_EQ(reading.folder, folder) << valueLines.substr(0, 40);
            EXPECT_EQ(reading.problem, problem) << valueLines.substr(0, 40);
            EXPECT_EQ(reading.keyRead, kKey) << valueLines.substr(0, 40);
        }
    }
}
