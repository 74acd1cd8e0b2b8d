#include "installs/WineRegistry.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes)
{
    return {bytes.begin(), bytes.end()};
}

WineRegistry ParseKeys(
    std::string_view keySections, Architecture architecture = Architecture::Win32)
{
    return WineRegistry::Parse(WineRegistryText(keySections, architecture)).value();
}

// The one value "v" of the key [Software\\Test].
std::optional<RegistryValue> ParseValue(std::string_view valueLine)
{
    const WineRegistry registry
        = ParseKeys("[Software\\\\Test] 1796582549\n" + std::string(valueLine) + "\n");
    const RegistryValue* value = registry.FindValue("Software\\Test", "v");
    return value != nullptr ? std::optional<RegistryValue>(*value) : std::nullopt;
}

}  // namespace

TEST(WineRegistry, RefusesTextsAndFilesThatAreNotWineRegistries)
{
    const TestFolder folder;  // not regular files: refused without waiting
    ASSERT_EQ(mkfifo((folder / "system.reg").c_str(), 0600), 0);
    EXPECT_FALSE(WineRegistry::Load(folder / "system.reg"));
    EXPECT_FALSE(WineRegistry::Load(folder.path()));
    for (const std::string& text : {std::string(), std::string("REGEDIT4\n"),
             std::string("Windows Registry Editor Version 5.00\r\n"),
             std::string("WINE REGISTRY Version 1\n"), std::string(" WINE REGISTRY Version 2\n"),
             std::string("\xEF\xBB\xBFWINE REGISTRY Version 2\n"),
             "\n" + WineRegistryText("", Architecture::Win64)})
        EXPECT_FALSE(WineRegistry::Parse(text)) << text;
    for (const std::string_view text : {"WINE REGISTRY Version 2", "WINE REGISTRY Version 2\r\n"})
        EXPECT_TRUE(WineRegistry::Parse(text)) << text;
}

TEST(WineRegistry, DecodesEscapesInQuotedStrings)
{
    const std::vector<std::tuple<const char*, std::string, std::u16string>> cases = {
        {"backslash", R"(C:\\Games)", u"C:\\Games"},
        {"quote", R"(\"A\")", u"\"A\""},
        {"hex, two digits", R"(\xc4)", u"\u00c4"},
        {"hex, four digits", R"(\x20ac)", u"\u20ac"},
        {"hex stops after four digits", R"(\x00c4d)", u"\u00c4d"},
        {"hex escape without digits is an x", R"(\xyz)", u"xyz"},
        {"surrogate pair from two hex escapes", R"(\xd83d\xde00)", u"\U0001F600"},
        {"newline", R"(a\nb)", u"a\nb"},
        {"other C escapes", R"(\a\b\e\f\r\v)", u"\a\b\u001b\f\r\v"},
        {"octal", R"(\101)", u"A"},
        {"octal stops after three digits", R"(\1012)", u"A2"},
        {"any other character stands for itself", R"(\q\[\])", u"q[]"},
        {"UTF-8 text", "Schlachtfeld \xC3\x84", u"Schlachtfeld \u00c4"},
        {"a byte outside UTF-8 is Latin-1", "Schlachtfeld \xC4", u"Schlachtfeld \u00c4"},
    };
    for (const auto& [name, quoted, expected] : cases) {
        const std::optional<RegistryValue> value = ParseValue("\"v\"=\"" + quoted + "\"");
        ASSERT_TRUE(value) << name;
        EXPECT_EQ(value->Utf16(), expected) << name;
    }
}

TEST(WineRegistry, ReadsEveryValueFormWineWrites)
{
    const std::string ab = Bytes({'a', 0, 'b', 0, 0, 0});
    const std::vector<std::tuple<const char*, std::uint32_t, std::string>> cases = {
        {R"("v"="ab")", RegistryType::String, ab},
        {R"("v"=str(2):"ab")", RegistryType::ExpandableString, ab},
        {R"("v"=str(7):"a\0b\0")", RegistryType::MultiString,
            Bytes({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0})},
        {R"("v"="a\0b")", RegistryType::String, Bytes({'a', 0, 0, 0, 'b', 0, 0, 0})},
        {R"("v"=hex:01,ff,0a)", RegistryType::Binary, Bytes({0x01, 0xff, 0x0a})},
        {R"("v"=hex:)", RegistryType::Binary, ""},
        {R"("v"=dword:0000ab05)", RegistryType::Dword, Bytes({0x05, 0xab, 0, 0})},
        {R"("v"=hex(1):61,00,62,00,00,00)", RegistryType::String, ab},
        {R"("v"=hex(b):01,00,00,00,00,00,00,00)", 11, Bytes({1, 0, 0, 0, 0, 0, 0, 0})},
        {"\"v\" =\t\"ab\"", RegistryType::String, ab},  // spaces around the equals sign
        {"\"v\"=hex(1):43,00,3a,00,5c,\\\n  00,41,00, \\\r\n\t00,00\n",  // over three lines
            RegistryType::String, Bytes({'C', 0, ':', 0, '\\', 0, 'A', 0, 0, 0})},
    };
    for (const auto& [line, type, data] : cases) {
        const std::optional<RegistryValue> value = ParseValue(line);
        ASSERT_TRUE(value) << line;
        EXPECT_EQ(value->type, type) << line;
        EXPECT_EQ(value->data, data) << line;
    }
}

TEST(WineRegistry, SkipsLinesItCannotRead)
{
    const WineRegistry registry = ParseKeys(R"("early"="before any key"
[Software\\Unclosed 1796582549
"lost"="under a broken key line"

[Software\\Test] 1796582549
garbage line
"unterminated"="abc
"large"=hex:100
"nodata"=
"unknown"=float:1.5
"nameless
"v"="kept"
"continued"=hex:01,\
)");
    EXPECT_EQ(registry.FindValue("Software\\Test", "v")->Utf16(), u"kept");
    for (const char* name :
        {"early", "lost", "unterminated", "large", "nodata", "unknown", "continued"})
        EXPECT_EQ(registry.FindValue("Software\\Test", name), nullptr) << name;
    EXPECT_FALSE(registry.HasKey("Software\\Unclosed"));
}

TEST(WineRegistry, FindsValuesIgnoringCaseTheLaterOfRepeatedOnes)
{
    const WineRegistry registry = ParseKeys(R"([Software\\EA GAMES\\Battlefield Vietnam] 1
"GameDir"="first"
"w"="only"
@="default"

[software\\ea games\\battlefield vietnam] 2
"GAMEDIR"="C:\\BFV"

[Software\\Caf\xe9] 1
"Men\xfc"="1"
)");
    const std::string key = "Software\\EA GAMES\\Battlefield Vietnam";
    for (const auto& [keyPath, name, value] : {
             std::tuple(key, "GameDir", u"C:\\BFV"),
             std::tuple(std::string("\\Software\\\\EA GAMES\\Battlefield Vietnam\\"), "gAmEdIr",
                 u"C:\\BFV"),
             std::tuple(key, "w", u"only"),
             std::tuple(key, "", u"default"),
             std::tuple(std::string("Software\\CAF\xC3\x89"), "MEN\xC3\x9C", u"1"),
         }) {
        const RegistryValue* found = registry.FindValue(keyPath, name);
        ASSERT_NE(found, nullptr) << keyPath << " " << name;
        EXPECT_EQ(found->Utf16(), value) << keyPath << " " << name;
    }
    EXPECT_EQ(registry.FindValue("Software\\EA GAMES\\Battlefield Vietna", "GAMEDIR"), nullptr);
    EXPECT_EQ(registry.FindValue(key, "GAMEDIR2"), nullptr);
}

// The architecture comes from an "#arch=" line before the first key.
TEST(WineRegistry, ShowsThirtyTwoBitProgramsTheWow6432NodeFirstIn64BitRegistries)
{
    const std::string native = "[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\n";
    const auto nodeKey = [](std::string_view tail) {
        return "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam" + std::string(tail)
            + "] 1\n";
    };
    const std::string node = nodeKey("");
    const std::string nativePath = "SOFTWARE\\EA GAMES\\Battlefield Vietnam";
    const std::string nodePath = "SOFTWARE\\Wow6432Node\\EA GAMES\\Battlefield Vietnam";
    const std::vector<
        std::tuple<const char*, Architecture, std::string, std::optional<std::string>>>
        cases = {
            {"64-bit, both keys", Architecture::Win64, native + node, nodePath},
            {"64-bit, native key only", Architecture::Win64, native, nativePath},
            {"64-bit, node key through a subkey", Architecture::Win64, native + nodeKey("\\\\Sub"),
                nodePath},
            {"64-bit, a node key with a longer name only", Architecture::Win64,
                native + nodeKey(" Server"), nativePath},
            {"32-bit, both keys", Architecture::Win32, native + node, nativePath},
            {"32-bit option", Architecture::Win32, "#arch=win32\n" + native + node, nativePath},
            {"64-bit option after the first key", Architecture::Win32,
                native + "#arch=win64\n" + node, nativePath},
            {"32-bit, node key only", Architecture::Win32, node, std::nullopt},
            {"64-bit, no key", Architecture::Win64, "[Software\\\\Other] 1\n", std::nullopt},
        };
    for (const auto& [name, architecture, keys, expected] : cases) {
        const WineRegistry registry = ParseKeys(keys, architecture);
        EXPECT_EQ(registry.is64Bit(), architecture == Architecture::Win64) << name;
        EXPECT_EQ(registry.KeyFor32BitProgram(nativePath), expected) << name;
    }
    const WineRegistry outsideSoftware = ParseKeys(
        "[System\\\\Wow6432Node\\\\Setup] 1\n[System\\\\Setup] 1\n", Architecture::Win64);
    EXPECT_EQ(outsideSoftware.KeyFor32BitProgram("System\\Setup"), "System\\Setup");
}

TEST(WineRegistry, ReadsOnlyTheKeysAskedForAndTheirCounterpartsAndSubkeys)
{
    constexpr std::string_view kServerKey = "Software\\EA GAMES\\Battlefield Vietnam Server";
    // A key no lookup needs, with a value that looks like a key line.
    const std::string otherKey = "[Software\\\\Other] 1\n\"v\"=\"[Software\\\\EA GAMES\\\\"
                                 "Battlefield Vietnam Server] 1\"\n";
    for (const auto& [keyLine, kept] :
        {
            std::pair("[Software\\\\EA GAMES\\\\Battlefield Vietnam Server] 1", true),
            std::pair("  [\\\\SOFTWARE\\\\ea games\\\\\\\\BATTLEFIELD VIETNAM SERVER\\\\] 1", true),
            std::pair(
                "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam Server] 1", true),
            std::pair("[\\x53oftware\\\\EA GAMES\\\\Battlefield Vietnam\\x20Server] 1", true),
            std::pair("[Software\\\\EA GAMES\\\\Battlefield Vietnam Server2] 1", false),
            std::pair("[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1", false),
            std::pair("[Software\\\\EA GAMES\\\\Battlefield Vietnam Server 1", false),
            std::pair("[System\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam Server] 1", false),
        }) {
        const std::optional<WineRegistry> registry = WineRegistry::Parse(
            WineRegistryText(otherKey + keyLine + "\n\"v\"=\"1\"\n", Architecture::Win64),
            std::array{kServerKey});
        ASSERT_TRUE(registry) << keyLine;
        EXPECT_EQ(registry->HasKey(kServerKey)
                || registry->HasKey(*WineRegistry::Wow64Counterpart(kServerKey)),
            kept)
            << keyLine;
        EXPECT_FALSE(registry->HasKey("Software\\Other")) << keyLine;
    }
}
