#include "installs/WineRegistry.h"
#include "fuzz/RegistryRead.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace std::literals;

namespace {

constexpr std::uint32_t kNotFound = 0;

std::string Bytes(std::initializer_list<unsigned char> bytes)
{
    return {bytes.begin(), bytes.end()};
}

// A string as Windows stores it: UTF-16LE with its terminating NUL.
std::string Utf16Data(std::u16string_view text)
{
    std::string data;
    for (const char16_t unit : text)
        data += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return data + "\0\0"s;
}

WineRegistry ParseKeys(
    std::string_view keySections, Architecture architecture = Architecture::Win32)
{
    return WineRegistry::Parse(WineRegistryText(keySections, architecture)).value();
}

}  // namespace

TEST(WineRegistry, RefusesTextsAndFilesThatAreNotWineRegistries)
{
    const TestFolder folder;  // not regular files: refused without waiting
    ASSERT_EQ(mkfifo((folder / "system.reg").c_str(), 0600), 0);
    EXPECT_FALSE(WineRegistry::Load(folder / "system.reg"));
    EXPECT_FALSE(WineRegistry::Load(folder.path()));
    for (const std::string& text : {""s, "REGEDIT4\n"s, "Windows Registry Editor Version 5.00\r\n"s,
             "WINE REGISTRY Version 1\n"s, " WINE REGISTRY Version 2\n"s,
             "\xEF\xBB\xBFWINE REGISTRY Version 2\n"s,
             "\n" + WineRegistryText("", Architecture::Win64)})
        EXPECT_FALSE(WineRegistry::Parse(text)) << text;
    for (const std::string_view text : {"WINE REGISTRY Version 2", "WINE REGISTRY Version 2\r\n"})
        EXPECT_TRUE(WineRegistry::Parse(text)) << text;
    // The fuzzer's seeds: what it checks holds for each.
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUAVEL_REGISTRY_CORPUS)) {
        EXPECT_EQ(CheckRegistryRead(FileBytes(entry.path())), "") << entry.path().filename();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}

// Each row's lines follow the key line [Software\\Test]; the row gives what
// the value "v" of that key then holds.
TEST(WineRegistry, ReadsValuesAsWineWritesThemAndSkipsLinesItCannotRead)
{
    using namespace RegistryType;
    struct Case {
        const char* name;
        std::string lines;
        std::uint32_t type;
        std::string data = "";
    };
    const std::vector<Case> cases = {
        {"string", R"("v"="ab")", String, Utf16Data(u"ab")},
        {"expandable", R"("v"=str(2):"ab")", ExpandableString, Utf16Data(u"ab")},
        {"multi-string", R"("v"=str(7):"a\0b\0")", MultiString, Utf16Data(u"a\0b\0"sv)},
        {"NUL inside a string", R"("v"="a\0b")", String, Utf16Data(u"a\0b"sv)},
        {"binary", R"("v"=hex:01,ff,0a)", Binary, Bytes({0x01, 0xff, 0x0a})},
        {"empty binary", R"("v"=hex:)", Binary, ""},
        {"dword", R"("v"=dword:0000ab05)", Dword, Bytes({0x05, 0xab, 0, 0})},
        {"string in hex", R"("v"=hex(1):61,00,62,00,00,00)", String, Utf16Data(u"ab")},
        {"other type in hex", R"("v"=hex(b):01,00,00,00)", 11, Bytes({1, 0, 0, 0})},
        {"spaces around the equals sign", "\"v\" =\t\"ab\"", String, Utf16Data(u"ab")},
        {"hex over three lines", "\"v\"=hex(1):43,00,3a,00,5c,\\\n  00,41,00, \\\r\n\t00,00\n",
            String, Utf16Data(u"C:\\A")},
        // Escapes in quoted strings.
        {"backslash", R"("v"="C:\\Games")", String, Utf16Data(u"C:\\Games")},
        {"quote", R"("v"="\"A\"")", String, Utf16Data(u"\"A\"")},
        {"hex, two digits", R"("v"="\xc4")", String, Utf16Data(u"\u00c4")},
        {"hex stops after four digits", R"("v"="\x20acd")", String, Utf16Data(u"\u20acd")},
        {"hex escape without digits is an x", R"("v"="\xyz")", String, Utf16Data(u"xyz")},
        {"surrogate pair", R"("v"="\xd83d\xde00")", String, Utf16Data(u"\U0001F600")},
        {"C escapes", R"("v"="a\n\a\b\e\f\r\v")", String, Utf16Data(u"a\n\a\b\u001b\f\r\v")},
        {"octal stops after three digits", R"("v"="\1012")", String, Utf16Data(u"A2")},
        {"any other character stands for itself", R"("v"="\q\[\]")", String, Utf16Data(u"q[]")},
        {"UTF-8 text", "\"v\"=\"\xC3\x84\"", String, Utf16Data(u"\u00c4")},
        {"a byte outside UTF-8 is Latin-1", "\"v\"=\"\xC4\"", String, Utf16Data(u"\u00c4")},
        // Lines it cannot read, and the lines after them.
        {"after a garbage line", "garbage line\n\"nameless\n\"v\"=\"kept\"", String,
            Utf16Data(u"kept")},
        {"unterminated string", R"("v"="abc)", kNotFound},
        {"hex byte too large", R"("v"=hex:100)", kNotFound},
        {"no data", R"("v"=)", kNotFound},
        {"unknown form", R"("v"=float:1.5)", kNotFound},
        {"continued at the end of the file", "\"v\"=hex:01,\\", kNotFound},
        {"under a broken key line", "[Software\\\\Unclosed 1\n\"v\"=\"lost\"", kNotFound},
        // Names and keys in any case; the later of repeated ones counts.
        {"name in another case", "\"V\"=\"a\"", String, Utf16Data(u"a")},
        {"repeated key and value", "\"v\"=\"a\"\n[software\\\\TEST] 2\n\"V\"=\"b\"", String,
            Utf16Data(u"b")},
    };
    for (const Case& test : cases) {
        const WineRegistry registry = ParseKeys("[Software\\\\Test] 1\n" + test.lines + "\n");
        const RegistryValue* value = registry.FindValue("Software\\Test", "v");
        EXPECT_EQ(value ? value->type : kNotFound, test.type) << test.name;
        EXPECT_EQ(value ? value->data : "", test.data) << test.name;
    }
    const WineRegistry registry = ParseKeys(
        "\"early\"=\"before any key\"\n[Software\\\\Caf\xe9] 1\n\"Men\xfc\"=\"1\"\n@=\"d\"\n");
    EXPECT_EQ(registry.FindValue("Software\\Caf\xC3\xA9", "early"), nullptr);
    for (const auto& [keyPath, name, expected] :
        {std::tuple("\\SOFTWARE\\\\CAF\xC3\x89\\", "MEN\xC3\x9C", u"1"),
            std::tuple("Software\\Caf\xC3\xA9", "", u"d")}) {
        const RegistryValue* value = registry.FindValue(keyPath, name);
        ASSERT_NE(value, nullptr) << keyPath << " " << name;
        EXPECT_EQ(value->Utf16(), expected) << keyPath << " " << name;
    }
    EXPECT_EQ(registry.FindValue("Software\\Ca", "Men\xC3\xBC"), nullptr);
    EXPECT_EQ(registry.FindValue("Software\\Caf\xC3\xA9",
                  "Men\xC3\xBC"
                  "2"),
        nullptr);
}
