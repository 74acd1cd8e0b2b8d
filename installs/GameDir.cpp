#include "installs/GameDir.h"

#include "installs/UnicodeText.h"
#include "installs/WineRegistry.h"

GameDirReading ReadGameDir(const WineRegistry& registry, std::string_view keyPath)
{
    GameDirReading reading;
    const std::optional<std::string> key = registry.KeyFor32BitProgram(keyPath);
    if (!key) {
        reading.problem = InstallProblem::KeyMissing;
        // The first key a 32-bit program tries.
        reading.keyRead = registry.is64Bit()
            ? WineRegistry::Wow64Counterpart(keyPath).value_or(std::string(keyPath))
            : std::string(keyPath);
        return reading;
    }
    reading.keyRead = *key;
    const RegistryValue* value = registry.FindValue(*key, kGameDirValueName);
    const std::u16string text = value != nullptr ? value->Utf16() : std::u16string();
    if (value == nullptr)
        reading.problem = InstallProblem::ValueMissing;
    else if (value->type != RegistryType::String)
        reading.problem = InstallProblem::NotPlainString;
    // Every character takes one byte in Windows-1252 ('?' for those it lacks);
    // the text and its terminator must fit the game's buffer.
    else if (CharacterCount(text) + 1 > kGameDirBufferBytes)
        reading.problem = InstallProblem::ValueTooLong;
    else
        reading.folder = Utf8FromUtf16(text);
    return reading;
}

std::optional<std::string> ReadGameDir(const WinePrefix& prefix, std::string_view keyPath)
{
    const std::optional<WineRegistry> registry
        = WineRegistry::Load(prefix.SystemRegistry(), std::array{keyPath});
    if (!registry)
        return std::nullopt;
    return ReadGameDir(*registry, keyPath).folder;
}
