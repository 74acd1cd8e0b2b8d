#pragma once

// Where the game and its dedicated server are installed, as their installers
// recorded it in the registry value GAMEDIR of the local machine. Under Wine
// that registry is the prefix's system.reg; the game is a 32-bit program, so
// in a 64-bit prefix its keys are looked up under Software\Wow6432Node first.

#include "installs/WinePrefix.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kServerKeyPath = "SOFTWARE\\EA GAMES\\Battlefield Vietnam Server";
inline constexpr std::string_view kGameKeyPath = "SOFTWARE\\EA GAMES\\Battlefield Vietnam";
inline constexpr std::string_view kGameDirValueName = "GAMEDIR";
// The game's own reading buffer, terminator included, in the Windows-1252
// code page: a value that does not fit it is not accepted.
inline constexpr std::size_t kGameDirBufferBytes = 256;

// The install folder (a Windows path, in UTF-8) from the key's GAMEDIR value.
// None when the registry file is missing or unreadable, the key or the value
// is missing, the value is not a plain string (REG_SZ), or it does not fit.
std::optional<std::string> ReadGameDir(const WinePrefix& prefix, std::string_view keyPath);
