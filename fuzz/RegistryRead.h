#pragma once

// One input of the registry fuzzer, shared with the test suite that replays
// its seed corpus: the bytes go through WineRegistry::Parse and the lookups
// the install finder makes, and the promises that hold for any bytes at all
// are checked. Only text that starts with Wine's header is accepted; a key a
// 32-bit program is sent to exists; a value found lies in an existing key and
// is found again under other letter case; a string value ends at its first NUL.

#include <string>
#include <string_view>

// What broke, or "" when every promise held.
std::string CheckRegistryRead(std::string_view bytes);
