#include "fuzz/RegistryRead.h"

#include "installs/WineRegistry.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

// The keys and the value the install finder looks up.
constexpr std::array<std::string_view, 3> kKeyPaths{
    "Software\\EA GAMES\\Battlefield Vietnam",
    "Software\\EA GAMES\\Battlefield Vietnam Server",
    "Software\\Wow6432Node\\EA GAMES\\Battlefield Vietnam",
};
constexpr std::string_view kValueName = "GAMEDIR";

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
        [](unsigned char character) { return static_cast<char>(std::toupper(character)); });
    return upper;
}

std::string CheckKey(const WineRegistry& registry, std::string_view keyPath)
{
    const std::string key(keyPath);
    if (const std::optional<std::string> redirected = registry.KeyFor32BitProgram(key);
        redirected && !registry.HasKey(*redirected))
        return "a 32-bit program is sent to a missing key for " + key;
    const RegistryValue* value = registry.FindValue(key, kValueName);
    if (value == nullptr)
        return "";
    if (!registry.HasKey(key))
        return "a value was found in the missing key " + key;
    if (registry.FindValue(UpperCase(key), UpperCase(kValueName)) != value)
        return "letter case changed the value found in " + key;
    if (value->Utf16().find(u'\0') != std::u16string::npos)
        return "a string value goes on past its NUL in " + key;
    return "";
}

}  // namespace

std::string CheckRegistryRead(std::string_view bytes)
{
    const std::optional<WineRegistry> registry = WineRegistry::Parse(bytes);
    if (!registry)
        return "";
    if (!bytes.starts_with(kHeader))
        return "text without Wine's header was accepted";
    for (const std::string_view keyPath : kKeyPaths) {
        if (std::string broken = CheckKey(*registry, keyPath); !broken.empty())
            return broken;
    }
    return "";
}
