#include "session/InstallLookup.h"

#include "installs/WineRegistry.h"

#include <system_error>

namespace {

struct TypeName {
    std::uint32_t type;
    std::string_view name;
};

constexpr std::array<TypeName, 5> kTypeNames{{
    {RegistryType::String, "REG_SZ"},
    {RegistryType::ExpandableString, "REG_EXPAND_SZ"},
    {RegistryType::Binary, "REG_BINARY"},
    {RegistryType::Dword, "REG_DWORD"},
    {RegistryType::MultiString, "REG_MULTI_SZ"},
}};

std::string TypeText(std::uint32_t type)
{
    for (const TypeName& entry : kTypeNames) {
        if (entry.type == type)
            return std::string(entry.name);
    }
    return "of type " + std::to_string(type);
}

// Walks the steps of ReadGameDir and names the first one that fails.
std::string WhyNotFound(const WinePrefix& prefix, std::string_view keyPath)
{
    const std::filesystem::path file = prefix.SystemRegistry();
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return "there is no registry file " + file.string();
    const std::optional<WineRegistry> registry = WineRegistry::Load(file);
    if (!registry)
        return file.string() + " cannot be read as a Wine registry";
    const std::optional<std::string> key = registry->KeyFor32BitProgram(keyPath);
    if (!key)
        return "the registry has no key HKEY_LOCAL_MACHINE\\" + std::string(keyPath);
    const RegistryValue* value = registry->FindValue(*key, kGameDirValueName);
    if (value == nullptr)
        return "the key HKEY_LOCAL_MACHINE\\" + std::string(keyPath) + " has no value "
            + std::string(kGameDirValueName);
    if (value->type != RegistryType::String)
        return std::string(kGameDirValueName) + " is " + TypeText(value->type)
            + ", not a plain string (REG_SZ)";
    return std::string(kGameDirValueName) + " is longer than the game's "
        + std::to_string(kGameDirBufferBytes - 1) + " characters";
}

}  // namespace

InstallLookup LookUpInstall(const WinePrefix& prefix, std::string_view keyPath)
{
    InstallLookup lookup;
    lookup.folder = ReadGameDir(prefix, keyPath);
    if (!lookup.folder)
        lookup.reason = WhyNotFound(prefix, keyPath);
    return lookup;
}
