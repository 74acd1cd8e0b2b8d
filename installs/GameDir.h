#pragma once

// Where the game and its dedicated server are installed, as their installers
// recorded it in the registry value GAMEDIR of the local machine. Under Wine
// that registry is the prefix's system.reg; the game is a 32-bit program, so
// in a 64-bit prefix its keys are looked up under Software\Wow6432Node first.

#include "installs/InstallProblem.h"
#include "installs/WinePrefix.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class WineRegistry;

inline constexpr std::string_view kServerKeyPath = "SOFTWARE\\EA GAMES\\Battlefield Vietnam Server";
inline constexpr std::string_view kGameKeyPath = "SOFTWARE\\EA GAMES\\Battlefield Vietnam";
// Both keys, for reading a registry once for both installs.
inline constexpr std::array<std::string_view, 2> kInstallKeyPaths = {kServerKeyPath, kGameKeyPath};
inline constexpr std::string_view kGameDirValueName = "GAMEDIR";
// The game's own reading buffer, terminator included, in the Windows-1252
// code page: a value that does not fit it is not accepted.
inline constexpr std::size_t kGameDirBufferBytes = 256;

struct GameDirReading {
    std::optional<std::string> folder;  // a Windows path, in UTF-8
    InstallProblem problem = InstallProblem::None;
    std::string keyRead;  // the key a 32-bit program opens, as messages name it
};

// The install folder from the key's GAMEDIR value, or the reason there is
// none: the key or the value is missing, the value is not a plain string
// (REG_SZ), or it does not fit the game's buffer.
GameDirReading ReadGameDir(const WineRegistry& registry, std::string_view keyPath);

// The same from the prefix's system.reg; none also when that file is missing
// or unreadable.
std::optional<std::string> ReadGameDir(const WinePrefix& prefix, std::string_view keyPath);
