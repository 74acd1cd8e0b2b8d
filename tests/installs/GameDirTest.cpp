#include "installs/GameDir.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::string GameKey(std::string_view valueLines)
{
    return "[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1796582549\n#time=1dd85b18bfdcdf6\n"
        + std::string(valueLines) + "\n\n";
}

std::string GameDirLine(std::string_view quoted)
{
    return "\"GAMEDIR\"=\"" + std::string(quoted) + "\"";
}

std::optional<std::string> ReadGameDirFrom(std::string_view registryText)
{
    const FakeWinePrefix fake;
    fake.WriteRegistry(registryText);
    return ReadGameDir(fake.prefix(), kGameKeyPath);
}

}  // namespace

TEST(ReadGameDir, ReadsTheKeyA32BitProgramOpens)
{
    // As Wine wrote it: a 64-bit prefix with the game's key in both views.
    const std::string fixture = FileBytes(QUAVEL_TEST_DATA "/system.reg.excerpt");
    std::string crLf;
    for (const char character : fixture)
        crLf += character == '\n' ? "\r\n" : std::string(1, character);
    for (const std::string& registry : {fixture, crLf})
        EXPECT_EQ(ReadGameDirFrom(registry), "D:\\Spiele\\Schlachtfeld Vietnam \"\xC3\x84\"");
    EXPECT_EQ(ReadGameDirFrom(WineRegistryText("[Software\\\\Other] 1\n", Architecture::Win64)),
        std::nullopt);
    // No going back to the key as given once the Wow6432Node key exists.
    EXPECT_EQ(ReadGameDirFrom(WineRegistryText(GameKey(GameDirLine("C:\\\\BFV"))
                      + "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield "
                        "Vietnam\\\\Patch] 1\n\"v\"=\"1\"\n",
                  Architecture::Win64)),
        std::nullopt);

    const FakeWinePrefix fake;  // no system.reg, then a folder in its place
    EXPECT_EQ(ReadGameDir(fake.prefix(), kGameKeyPath), std::nullopt);
    std::filesystem::create_directory(fake.path() / "system.reg");
    EXPECT_EQ(ReadGameDir(fake.prefix(), kGameKeyPath), std::nullopt);
}

TEST(ReadGameDir, AcceptsOnlyPlainStringsThatFitTheGamesBuffer)
{
    // Characters in Windows-1252 bytes: one each, and one '?' for those it lacks.
    const std::string fits(kGameDirBufferBytes - 1, 'a');  // 255 characters and the terminator
    const std::string fitsLessOne(kGameDirBufferBytes - 2, 'a');
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {GameDirLine("C:\\\\BFV"), "C:\\BFV"},
        {"\"GAMEDIR\"=hex(1):43,00,3a,00,5c,00,42,00,46,00,56,00,\\\n  20,00,c4,00,00,00",
            "C:\\BFV \xC3\x84"},
        {R"("GAMEDIR"=str(2):"C:\\BFV")", std::nullopt},
        {R"("GAMEDIR"=str(7):"C:\\BFV\0")", std::nullopt},
        {R"("GAMEDIR"=hex:43,00,3a,00,00,00)", std::nullopt},
        {R"("GAMEDIR"=dword:00000001)", std::nullopt},
        {GameDirLine(fits), fits},
        {GameDirLine(fits + "a"), std::nullopt},
        {GameDirLine(fitsLessOne + "\\xc4"), fitsLessOne + "\xC3\x84"},
        {GameDirLine(fitsLessOne + "\\xd83d\\xde00"), fitsLessOne + "\xF0\x9F\x98\x80"},
        {GameDirLine(fitsLessOne + "\\x263a"), fitsLessOne + "\xE2\x98\xBA"},
        {GameDirLine(fits + "\\x263a"), std::nullopt},
    };
    for (const auto& [valueLines, expected] : cases) {
        for (const Architecture architecture : {Architecture::Win32, Architecture::Win64})
            EXPECT_EQ(
                ReadGameDirFrom(WineRegistryText(GameKey(valueLines), architecture)), expected)
                << valueLines.substr(0, 40) << " (" << valueLines.size() << " bytes)";
    }
}
