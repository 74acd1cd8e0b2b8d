#pragma once

// One hive of a Wine prefix's registry (system.reg holds HKEY_LOCAL_MACHINE),
// read from Wine's text format the way Wine's own loader reads it: lines it
// cannot parse are skipped, later values replace earlier ones, and key and
// value names compare ignoring letter case. Values keep Windows' own bytes
// (strings as UTF-16LE with their terminator); nothing is ever written back.
// Given the keys a caller needs, it reads only their sections and skips every
// other key by its header line, which makes a large hive quick to search.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The value types the format spells by name; "hex(N):" carries any other.
namespace RegistryType {
inline constexpr std::uint32_t String = 1;            // REG_SZ
inline constexpr std::uint32_t ExpandableString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t Binary = 3;            // REG_BINARY
inline constexpr std::uint32_t Dword = 4;             // REG_DWORD
inline constexpr std::uint32_t MultiString = 7;       // REG_MULTI_SZ
}  // namespace RegistryType

struct RegistryValue {
    std::uint32_t type = 0;
    std::string data;  // the bytes as Windows stores them

    // The data read as UTF-16LE up to its first NUL (an odd last byte dropped).
    std::u16string Utf16() const;
};

class WineRegistry {
public:
    // None when the text does not start with Wine's "WINE REGISTRY Version 2".
    // With keyPaths, only the keys at or below each of them and of its
    // Wow6432Node counterpart are read; every other key looks missing.
    static std::optional<WineRegistry> Parse(
        std::string_view text, std::span<const std::string_view> keyPaths = {});
    // None when the file is missing, cannot be read within the limits of
    // ReadSearchedFile (a FIFO is refused at once), or is not a Wine registry.
    static std::optional<WineRegistry> Load(
        const std::filesystem::path& file, std::span<const std::string_view> keyPaths = {});

    // keyPath with Wow6432Node after its first component, where a 64-bit
    // registry keeps a 32-bit program's view; none outside Software.
    static std::optional<std::string> Wow64Counterpart(std::string_view keyPath);

    // Set by a "#arch=win64" line before the first key.
    bool is64Bit() const { return is64Bit_; }
    // Also true for a key that exists only through its subkeys.
    bool HasKey(std::string_view keyPath) const;
    // The key a 32-bit program opens for keyPath: in a 64-bit registry the one
    // under Software\Wow6432Node when that exists, else keyPath itself; none
    // when neither exists. Spelt as keyPath, so that messages can show it.
    std::optional<std::string> KeyFor32BitProgram(std::string_view keyPath) const;
    // Nullptr when the key or the value is missing; "" names the default value.
    const RegistryValue* FindValue(std::string_view keyPath, std::string_view valueName) const;

private:
    using Values = std::map<std::string, RegistryValue>;  // by case-folded name

    std::map<std::string, Values> keys_;  // by case-folded path, empty components dropped
    bool is64Bit_ = false;
};
