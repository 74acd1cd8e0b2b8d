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

WineRegistry ParseKeys(
    std::string_view keySections, Architecture architecture = Architecture::Win32)
{
    return WineRegistry::Parse(WineRegistryText(keySections, architecture)).value();
}

}  // namespace

TEST(WineRegistry, RefusesWhatIsNotAWineRegistryAndKeepsItsPromisesOnEveryFuzzSeed)
{
    const TestFolder folder;  // not regular files: refused without waiting
    ASSERT_EQ(mkfifo((folder / "system.reg").c_str(), 0600), 0);
    EXPECT_FALSE(WineRegistry::Load(folder / "system.reg"));
    EXPECT_FALSE(WineRegistry::Load(folder.path()));
    for (const std::string& text : {""s, "REGEDIT4\n"s, "WINE REGISTRY Version 1\n"s,
             " WINE REGISTRY Version 2\n"s, "\xEF\xBB\xBFWINE REGISTRY Version 2\n"s,
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
// the text of the value "v" of that key then, if any.
TEST(WineRegistry, ReadsValuesAsWineWritesThemAndSkipsLinesItCannotRead)
{
    const std::vector<std::tuple<const char*, std::string, std::optional<std::u16string>>> cases = {
        {"string", R"("v"="ab")", u"ab"},
        {"NUL inside a string", R"("v"="a\0b")", u"a\0b"},
        {"string in hex", R"("v"=hex(1):61,00,62,00,00,00)", u"ab"},
        {"spaces around the equals sign", "\"v\" =\t\"ab\"", u"ab"},
        {"hex over three lines", "\"v\"=hex(1):43,00,3a,00,5c,\\\n  00,41,00, \\\r\n\t00,00\n",
            u"C:\\A"},
        // Escapes in quoted strings.
        {"backslash", R"("v"="C:\\Games")", u"C:\\Games"},
        {"quote", R"("v"="\"A\"")", u"\"A\""},
        {"hex, two digits", R"("v"="\xc4")", u"\u00c4"},
        {"hex stops after four digits", R"("v"="\x20acd")", u"\u20acd"},
        {"hex escape without digits is an x", R"("v"="\xyz")", u"xyz"},
        {"surrogate pair", R"("v"="\xd83d\xde00")", u"\U0001F600"},
        {"octal, three digits at most", R"("v"="\1012")", u"A2"},
        {"any other character stands for itself", R"("v"="\q\[\]")", u"q[]"},
        {"UTF-8 text", "\"v\"=\"\xC3\x84\"", u"\u00c4"},
        {"a byte outside UTF-8 is Latin-1", "\"v\"=\"\xC4\"", u"\u00c4"},
        // Lines it cannot read, and the lines after them.
        {"after a garbage line", "garbage line\n\"nameless\n\"v\"=\"kept\"", u"kept"},
        {"unterminated string", R"("v"="abc)", std::nullopt},
        {"hex byte too large", R"("v"=hex:100)", std::nullopt},
        {"no data", R"("v"=)", std::nullopt},
        {"unknown form", R"("v"=float:1.5)", std::nullopt},
        {"continued at the end of the file", "\"v\"=hex:01,\\", std::nullopt},
        {"under a broken key line", "[Software\\\\Unclosed 1\n\"v\"=\"lost\"", std::nullopt},
        // Names and keys in any case; the later of repeated ones counts.
        {"name in another case", "\"V\"=\"a\"", u"a"},
        {"repeated key and value", "\"v\"=\"a\"\n[software\\\\TEST] 2\n\"V\"=\"b\"", u"b"},
    };
    for (const auto& [name, lines, text] : cases) {
        const WineRegistry registry = ParseKeys("[Software\\\\Test] 1\n" + lines + "\n");
        const RegistryValue* value = registry.FindValue("Software\\Test", "v");
        EXPECT_EQ(value ? std::optional(value->Utf16()) : std::nullopt, text) << name;
    }
    // Keys and names in any case and spelling of separators, letters beyond ASCII too.
    const WineRegistry registry
        = ParseKeys("\"early\"=\"before any key\"\n[Software\\\\Caf\xe9] 1\n\"Men\xfc\"=\"1\"\n");
    EXPECT_EQ(registry.FindValue("Software\\Caf\xC3\xA9", "early"), nullptr);
    const RegistryValue* value = registry.FindValue("\\SOFTWARE\\\\CAF\xC3\x89\\", "MEN\xC3\x9C");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->Utf16(), u"1");
}
