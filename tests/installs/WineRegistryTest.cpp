#include "installs/WineRegistry.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <initializer_list>
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
    std::optional<WineRegistry> registry
        = WineRegistry::Parse(WineRegistryText(keySections, architecture));
    if (!registry)
        throw std::runtime_error("registry text refused");
    return *registry;
}

// The one value "v" of the key [Software\\Test].
std::optional<RegistryValue> ParseValue(std::string_view valueLines)
{
    const WineRegistry registry
        = ParseKeys("[Software\\\\Test] 1796582549\n" + std::string(valueLines) + "\n");
    const RegistryValue* value = registry.FindValue("Software\\Test", "v");
    return value != nullptr ? std::optional<RegistryValue>(*value) : std::nullopt;
}

constexpr std::string_view kServerKey = "Software\\EA GAMES\\Battlefield Vietnam Server";
constexpr std::string_view kServerKey32
    = "Software\\Wow6432Node\\EA GAMES\\Battlefield Vietnam Server";

// A key that no lookup of the installs needs, with a value that looks like a key line.
const std::string kOtherKey = "[Software\\\\Other] 1\n\"v\"=\"[Software\\\\EA GAMES\\\\Battlefield "
                              "Vietnam Server] 1\"\n";

}  // namespace

TEST(WineRegistry, RefusesTextsAndFilesThatAreNotWineRegistries)
{
    const TestFolder folder;  // not regular files: refused without waiting
    ASSERT_EQ(mkfifo((folder / "system.reg").c_str(), 0600), 0);
    EXPECT_FALSE(WineRegistry::Load(folder / "system.reg"));
    EXPECT_FALSE(WineRegistry::Load(folder.path()));
    const std::vector<std::string> refused = {
        "",
        "REGEDIT4\n",
        "Windows Registry Editor Version 5.00\r\n",
        "WINE REGISTRY Version 1\n",
        " WINE REGISTRY Version 2\n",
        "\xEF\xBB\xBFWINE REGISTRY Version 2\n",
        "\n" + WineRegistryText("", Architecture::Win64),
    };
    for (const std::string& text : refused)
        EXPECT_FALSE(WineRegistry::Parse(text)) << text;
    for (const std::string_view text : {"WINE REGISTRY Version 2", "WINE REGISTRY Version 2\r\n"})
        EXPECT_TRUE(WineRegistry::Parse(text)) << text;
}

TEST(WineRegistry, DecodesEscapesInQuotedStrings)
{
    struct Case {
        const char* name;
        std::string quoted;
        std::u16string expected;
    };
    const std::vector<Case> cases = {
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
    for (const Case& test : cases) {
        const std::optional<RegistryValue> value = ParseValue("\"v\"=\"" + test.quoted + "\"");
        ASSERT_TRUE(value) << test.name;
        EXPECT_EQ(value->Utf16(), test.expected) << test.name;
    }
}

TEST(WineRegistry, ReadsEveryValueFormWineWrites)
{
    struct Case {
        const char* name;
        const char* line;
        std::uint32_t type;
        std::string data;
    };
    const std::vector<Case> cases = {
        {"plain string", R"("v"="ab")", RegistryType::String, Bytes({'a', 0, 'b', 0, 0, 0})},
        {"str(2)", R"("v"=str(2):"ab")", RegistryType::ExpandableString,
            Bytes({'a', 0, 'b', 0, 0, 0})},
        {"str(7)", R"("v"=str(7):"a\0b\0")", RegistryType::MultiString,
            Bytes({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0})},
        {"string with a NUL", R"("v"="a\0b")", RegistryType::String,
            Bytes({'a', 0, 0, 0, 'b', 0, 0, 0})},
        {"hex", R"("v"=hex:01,ff,0a)", RegistryType::Binary, Bytes({0x01, 0xff, 0x0a})},
        {"empty hex", R"("v"=hex:)", RegistryType::Binary, ""},
        {"dword", R"("v"=dword:0000ab05)", RegistryType::Dword, Bytes({0x05, 0xab, 0, 0})},
        {"hex(1)", R"("v"=hex(1):61,00,62,00,00,00)", RegistryType::String,
            Bytes({'a', 0, 'b', 0, 0, 0})},
        {"hex(b)", R"("v"=hex(b):01,00,00,00,00,00,00,00)", 11, Bytes({1, 0, 0, 0, 0, 0, 0, 0})},
        {"spaces around the equals sign", "\"v\" =\t\"ab\"", RegistryType::String,
            Bytes({'a', 0, 'b', 0, 0, 0})},
        {"hex continued over lines", "\"v\"=hex(1):43,00,3a,00,5c,\\\n  00,41,00, \\\r\n\t00,00\n",
            RegistryType::String, Bytes({'C', 0, ':', 0, '\\', 0, 'A', 0, 0, 0})},
    };
    for (const Case& test : cases) {
        const std::optional<RegistryValue> value = ParseValue(test.line);
        ASSERT_TRUE(value) << test.name;
        EXPECT_EQ(value->type, test.type) << test.name;
        EXPECT_EQ(value->data, test.data) << test.name;
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
    const std::vector<std::tuple<std::string, std::string, std::u16string>> lookups = {
        {"Software\\EA GAMES\\Battlefield Vietnam", "GameDir", u"C:\\BFV"},
        {"\\Software\\\\EA GAMES\\Battlefield Vietnam\\", "gAmEdIr", u"C:\\BFV"},
        {"Software\\EA GAMES\\Battlefield Vietnam", "w", u"only"},
        {"Software\\EA GAMES\\Battlefield Vietnam", "", u"default"},
        {"Software\\CAF\xC3\x89", "MEN\xC3\x9C", u"1"},
    };
    for (const auto& [key, name, value] : lookups) {
        const RegistryValue* found = registry.FindValue(key, name);
        ASSERT_NE(found, nullptr) << key << " " << name;
        EXPECT_EQ(found->Utf16(), value) << key << " " << name;
    }
    EXPECT_EQ(registry.FindValue("Software\\EA GAMES\\Battlefield Vietna", "GAMEDIR"), nullptr);
    EXPECT_EQ(registry.FindValue("Software\\EA GAMES\\Battlefield Vietnam", "GAMEDIR2"), nullptr);
}

TEST(WineRegistry, TakesTheArchitectureFromTheOptionBeforeTheFirstKey)
{
    const std::vector<std::pair<const char*, bool>> cases = {
        {"#arch=win64\n[Software] 1\n", true},
        {"#arch=win32\n[Software] 1\n", false},
        {"[Software] 1\n", false},
        {"[Software] 1\n#arch=win64\n", false},
    };
    for (const auto& [body, is64Bit] : cases)
        EXPECT_EQ(ParseKeys(body).is64Bit(), is64Bit) << body;
}

TEST(WineRegistry, ShowsThirtyTwoBitProgramsTheWow6432NodeFirstIn64BitRegistries)
{
    constexpr const char* kNative = "[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1\n";
    constexpr const char* kWow64
        = "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam] 1\n";
    constexpr const char* kWow64Subkey
        = "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam\\\\Sub] 1\n";
    constexpr const char* kNativePath = "SOFTWARE\\EA GAMES\\Battlefield Vietnam";
    constexpr const char* kWow64Path = "SOFTWARE\\Wow6432Node\\EA GAMES\\Battlefield Vietnam";
    struct Case {
        const char* name;
        Architecture architecture;
        std::string keys;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"64-bit, both keys", Architecture::Win64, std::string(kNative) + kWow64, kWow64Path},
        {"64-bit, native key only", Architecture::Win64, kNative, kNativePath},
        {"64-bit, node key through a subkey", Architecture::Win64,
            std::string(kNative) + kWow64Subkey, kWow64Path},
        {"64-bit, a node key with a longer name only", Architecture::Win64,
            std::string(kNative)
                + "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam Server] 1\n",
            kNativePath},
        {"32-bit, both keys", Architecture::Win32, std::string(kNative) + kWow64, kNativePath},
        {"32-bit, node key only", Architecture::Win32, kWow64, std::nullopt},
        {"64-bit, no key", Architecture::Win64, "[Software\\\\Other] 1\n", std::nullopt},
    };
    for (const Case& test : cases) {
        const WineRegistry registry = ParseKeys(test.keys, test.architecture);
        EXPECT_EQ(
            registry.KeyFor32BitProgram("SOFTWARE\\EA GAMES\\Battlefield Vietnam"), test.expected)
            << test.name;
    }
    const WineRegistry outsideSoftware = ParseKeys(
        "[System\\\\Wow6432Node\\\\Setup] 1\n[System\\\\Setup] 1\n", Architecture::Win64);
    EXPECT_EQ(outsideSoftware.KeyFor32BitProgram("System\\Setup"), "System\\Setup");
}

TEST(WineRegistry, ReadsOnlyTheKeysAskedForAndTheirCounterpartsAndSubkeys)
{
    const std::vector<std::pair<std::string, bool>> keyLines = {
        {"[Software\\\\EA GAMES\\\\Battlefield Vietnam Server] 1", true},
        {"  [\\\\SOFTWARE\\\\ea games\\\\\\\\BATTLEFIELD VIETNAM SERVER\\\\] 1", true},
        {"[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam Server] 1", true},
        {"[\\x53oftware\\\\EA GAMES\\\\Battlefield Vietnam\\x20Server] 1", true},
        {"[Software\\\\EA GAMES\\\\Battlefield Vietnam Server2] 1", false},
        {"[Software\\\\EA GAMES\\\\Battlefield Vietnam] 1", false},
        {"[Software\\\\EA GAMES\\\\Battlefield Vietnam Server 1", false},
        {"[System\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam Server] 1", false},
    };
    for (const auto& [keyLine, kept] : keyLines) {
        const std::string text
            = WineRegistryText(kOtherKey + keyLine + "\n\"v\"=\"1\"\n", Architecture::Win64);
        const std::optional<WineRegistry> registry
            = WineRegistry::Parse(text, std::array{kServerKey});
        ASSERT_TRUE(registry) << keyLine;
        EXPECT_EQ(registry->HasKey(kServerKey) || registry->HasKey(kServerKey32), kept) << keyLine;
        EXPECT_FALSE(registry->HasKey("Software\\Other")) << keyLine;
    }
}
