#include "installs/GameDir.h"

#include "installs/UnicodeText.h"
#include "installs/WineRegistry.h"

std::optional<std::string> ReadGameDir(const WinePrefix& prefix, std::string_view keyPath)
{
    const std::optional<WineRegistry> registry = WineRegistry::Load(prefix.SystemRegistry());
    if (!registry)
        return std::nullopt;
    const std::optional<std::string> key = registry->KeyFor32BitProgram(keyPath);
    if (!key)
        return std::nullopt;
    const RegistryValue* value = registry->FindValue(*key, kGameDirValueName);
    if (value == nullptr || value->type != RegistryType::String)
        return std::nullopt;
    const std::u16string text = value->Utf16();
    // Every character takes one byte in Windows-1252 ('?' for those it lacks);
    // the text and its terminator must fit the game's buffer.
    if (CharacterCount(text) + 1 > kGameDirBufferBytes)
        return std::nullopt;
    return Utf8FromUtf16(text);
}
