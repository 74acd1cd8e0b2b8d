#include "installs/GameDir.h"
#include "installs/WineRegistry.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

GameDirReading ReadGameDirFrom(std::string_view registryText)
{
    return ReadGameDir(*WineRegistry::Parse(registryText, kInstallKeyPaths), kGameKeyPath);
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
}

TEST(ReadGameDir, AcceptsOnlyPlainStringsThatFitTheGamesBufferAndSaysWhatItRead)
{
    // Characters in Windows-1252 bytes: one each, and one '?' for those it lacks.
    const std::string fits(kGameDirBufferBytes - 1, 'a');  // 255 characters and the terminator
    const std::string fitsLessOne(kGameDirBufferBytes - 2, 'a');
    const std::string key = "SOFTWARE\\EA GAMES\\Battlefield Vietnam";
    const std::string key32 = "SOFTWARE\\Wow6432Node\\EA GAMES\\Battlefield Vietnam";
    const auto line
        = [](std::string_view quoted) { return "\"GAMEDIR\"=\"" + std::string(quoted) + '"'; };
    struct Case {
        std::string valueLines;
        std::optional<std::string> folder;
        InstallProblem problem;
    };
    const std::vector<Case> cases = {
        {line("C:\\\\BFV"), "C:\\BFV", InstallProblem::None},
        {"\"GAMEDIR\"=hex(1):43,00,3a,00,5c,00,42,00,46,00,56,00,\\\n  20,00,c4,00,00,00",
            "C:\\BFV \xC3\x84", InstallProblem::None},
        {R"("GAMEDIR"=str(2):"C:\\BFV")", std::nullopt, InstallProblem::NotPlainString},
        {R"("GAMEDIR"=str(7):"C:\\BFV\0")", std::nullopt, InstallProblem::NotPlainString},
        {R"("GAMEDIR"=hex:43,00,3a,00,00,00)", std::nullopt, InstallProblem::NotPlainString},
        {R"("GAMEDIR"=dword:00000001)", std::nullopt, InstallProblem::NotPlainString},
        {R"("GAMEDIRS"="C:\\BFV")", std::nullopt, InstallProblem::ValueMissing},
        {line(fits), fits, InstallProblem::None},
        {line(fits + "a"), std::nullopt, InstallProblem::ValueTooLong},
        {line(fitsLessOne + "\\xc4"), fitsLessOne + "\xC3\x84", InstallProblem::None},
        {line(fitsLessOne + "\\xd83d\\xde00"), fitsLessOne + "\xF0\x9F\x98\x80",
            InstallProblem::None},
        {line(fitsLessOne + "\\x263a"), fitsLessOne + "\xE2\x98\xBA", InstallProblem::None},
        {line(fits + "\\x263a"), std::nullopt, InstallProblem::ValueTooLong},
    };
    for (const Case& test : cases) {
        for (const Architecture architecture : {Architecture::Win32, Architecture::Win64}) {
            const GameDirReading reading = ReadGameDirFrom(WineRegistryText(
                "[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\n" + test.valueLines + "\n",
                architecture));
            EXPECT_EQ(reading.folder, test.folder) << test.valueLines.substr(0, 40);
            EXPECT_EQ(reading.problem, test.problem) << test.valueLines.substr(0, 40);
            EXPECT_EQ(reading.keyRead, key) << test.valueLines.substr(0, 40);
        }
    }
    for (const auto& [keys, architecture, keyRead] : {
             std::tuple("[Software\\\\Other] 1\n", Architecture::Win64, key32),
             std::tuple("[Software\\\\Other] 1\n", Architecture::Win32, key),
             // No going back to the key as given once the Wow6432Node key exists.
             std::tuple("[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\n\"GAMEDIR\"=\"C:\"\n"
                        "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam\\\\Patch] 1\n",
                 Architecture::Win64, key32),
         }) {
        const GameDirReading reading = ReadGameDirFrom(WineRegistryText(keys, architecture));
        EXPECT_EQ(reading.folder, std::nullopt) << keys;
        EXPECT_EQ(reading.keyRead, keyRead) << keys;
    }
}
