#include "installs/GameDir.h"
#include "FakePrefix.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kFixture = QUAVEL_TEST_DATA "/system.reg.excerpt";

std::string GameKeySection(std::string_view valueLines)
{
    return "[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1796582549\n#time=1dd85b18bfdcdf6\n"
        + std::string(valueLines) + "\n\n";
}

std::optional<std::string> ReadGameDirFrom(std::string_view registryText)
{
    const FakePrefix fake;
    fake.WriteRegistry(registryText);
    return ReadGameDir(fake.prefix(), kGameKeyPath);
}

std::string WithoutLine(std::string text, std::string_view line)
{
    text.erase(text.find(line), line.size());
    return text;
}

}  // namespace

TEST(ReadGameDir, ReadsThe32BitViewOfA64BitPrefix)
{
    const FakePrefix fake;
    fake.WriteRegistry(ReadFileBytes(kFixture));
    EXPECT_EQ(
        ReadGameDir(fake.prefix(), kGameKeyPath), "D:\\Spiele\\Schlachtfeld Vietnam \"\xC3\x84\"");
    // The server's value is an expandable string.
    EXPECT_EQ(ReadGameDir(fake.prefix(), kServerKeyPath), std::nullopt);
}

TEST(ReadGameDir, ReadsTheKeyAsGivenInA32BitPrefix)
{
    const std::string registry = WithoutLine(ReadFileBytes(kFixture), "#arch=win64\n");
    EXPECT_EQ(ReadGameDirFrom(registry), "C:\\Program Files\\EA GAMES\\Battlefield Vietnam");
}

TEST(ReadGameDir, FallsBackToTheKeyAsGivenWhenA64BitPrefixHasNoWow6432NodeKey)
{
    const std::string registry
        = WineRegistryText(GameKeySection(R"("GAMEDIR"="C:\\BFV")"), Architecture::Win64);
    EXPECT_EQ(ReadGameDirFrom(registry), "C:\\BFV");
}

TEST(ReadGameDir, OpensTheWow6432NodeKeyEvenWhenItLacksTheValue)
{
    const std::string registry = WineRegistryText(GameKeySection(R"("GAMEDIR"="C:\\BFV")")
            + "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam\\\\Patch] "
              "1\n\"v\"=\"1\"\n",
        Architecture::Win64);
    EXPECT_EQ(ReadGameDirFrom(registry), std::nullopt);
}

TEST(ReadGameDir, FindsNothingInAKeyThatExistsOnlyThroughASubkey)
{
    const std::string registry = WineRegistryText(
        "[Software\\\\EA GAMES\\\\Battlefield Vietnam\\\\Patch] 1\n\"GAMEDIR\"=\"C:\\\\BFV\"\n",
        Architecture::Win32);
    EXPECT_EQ(ReadGameDirFrom(registry), std::nullopt);
}

TEST(ReadGameDir, TellsTheGameKeyFromTheServerKey)
{
    const FakePrefix fake;
    fake.WriteRegistry(WineRegistryText(
        "[Software\\\\EA GAMES\\\\Battlefield Vietnam Server] 1\n\"GAMEDIR\"=\"C:\\\\Server\"\n",
        Architecture::Win64));
    EXPECT_EQ(ReadGameDir(fake.prefix(), kGameKeyPath), std::nullopt);
    EXPECT_EQ(ReadGameDir(fake.prefix(), kServerKeyPath), "C:\\Server");
}

TEST(ReadGameDir, AcceptsOnlyPlainStrings)
{
    const std::vector<std::pair<const char*, std::optional<std::string>>> cases = {
        {R"("GAMEDIR"="C:\\BFV")", "C:\\BFV"},
        {R"("gamedir"="C:\\BFV")", "C:\\BFV"},
        {R"("GAMEDIR"=str:"C:\\BFV")", "C:\\BFV"},
        {"\"GAMEDIR\"=hex(1):43,00,3a,00,5c,00,42,00,46,00,56,00,\\\n  20,00,c4,00,00,00",
            "C:\\BFV \xC3\x84"},
        {R"("GAMEDIR"=str(2):"C:\\BFV")", std::nullopt},
        {R"("GAMEDIR"=hex(2):43,00,3a,00,00,00)", std::nullopt},
        {R"("GAMEDIR"=str(7):"C:\\BFV\0")", std::nullopt},
        {R"("GAMEDIR"=hex:43,00,3a,00,00,00)", std::nullopt},
        {R"("GAMEDIR"=dword:00000001)", std::nullopt},
        {R"(@="C:\\BFV")", std::nullopt},
        {R"("GAMEDIR2"="C:\\BFV")", std::nullopt},
    };
    for (const auto& [valueLines, expected] : cases) {
        for (const Architecture architecture : {Architecture::Win32, Architecture::Win64})
            EXPECT_EQ(ReadGameDirFrom(WineRegistryText(GameKeySection(valueLines), architecture)),
                expected)
                << valueLines;
    }
}

TEST(ReadGameDir, RefusesValuesThatDoNotFitTheGamesBuffer)
{
    // Characters in Windows-1252 bytes: one each, and one '?' for those it lacks.
    const std::string fits(kGameDirBufferBytes - 1, 'a');  // 255 characters and the terminator
    const std::string fills(kGameDirBufferBytes, 'a');
    const std::string fitsLessOne(kGameDirBufferBytes - 2, 'a');
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {fits, fits},
        {fills, std::nullopt},
        {std::string(300, 'a'), std::nullopt},
        {fitsLessOne + "\\xc4", fitsLessOne + "\xC3\x84"},
        {fits + "\\x20ac", std::nullopt},
        {fitsLessOne + "\\xd83d\\xde00", fitsLessOne + "\xF0\x9F\x98\x80"},
        {fitsLessOne + "\\x263a", fitsLessOne + "\xE2\x98\xBA"},
        {fits + "\\x263a", std::nullopt},
    };
    for (const auto& [quoted, expected] : cases) {
        const std::string line = "\"GAMEDIR\"=\"" + quoted + "\"";
        EXPECT_EQ(
            ReadGameDirFrom(WineRegistryText(GameKeySection(line), Architecture::Win32)), expected)
            << quoted.size();
    }
}

TEST(ReadGameDir, FindsNothingWithoutAReadableRegistry)
{
    const FakePrefix missing;
    const FakePrefix notARegistry;
    notARegistry.WriteRegistry("REGEDIT4\n" + GameKeySection(R"("GAMEDIR"="C:\\BFV")"));
    const FakePrefix directory;
    std::filesystem::create_directory(directory.prefix().SystemRegistry());
    for (const FakePrefix* fake : {&missing, &notARegistry, &directory}) {
        EXPECT_EQ(ReadGameDir(fake->prefix(), kGameKeyPath), std::nullopt);
        EXPECT_EQ(ReadGameDir(fake->prefix(), kServerKeyPath), std::nullopt);
    }
}

TEST(ReadGameDir, ReadsRegistriesWithCrLfLineEnds)
{
    EXPECT_EQ(ReadGameDirFrom(WithCrLfLineEnds(ReadFileBytes(kFixture))),
        "D:\\Spiele\\Schlachtfeld Vietnam \"\xC3\x84\"");
}
