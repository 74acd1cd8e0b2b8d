#pragma once

// Profile documents for tests: the built-in document and the edits a test
// expects the program to make to it, made by hand on the bytes so that they
// do not share the program's own writer. The built-in document is a copy of
// its own, written from the game's format independently of the program's, so
// that a change of the program's copy shows in every test.

#include "tests/support/TestFolder.h"

#include <stdexcept>
#include <string>
#include <string_view>

inline std::string DefaultBytes()
{
    static const std::string bytes = [] {
        std::string read = FileBytes(QUAVEL_SUPPORT_DATA "/Default.wst");
        if (read.empty())
            throw std::runtime_error("no tests/support/data/Default.wst");
        return read;
    }();
    return bytes;
}

// Every occurrence of from replaced by to.
inline std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The built-in document with every occurrence of from replaced (there must be one).
inline std::string DefaultWith(std::string_view from, std::string_view to)
{
    if (DefaultBytes().find(from) == std::string::npos)
        throw std::invalid_argument("no \"" + std::string(from) + "\" to replace");
    return ReplaceAll(DefaultBytes(), from, to);
}

// The built-in document with the element renamed, so that the reader misses it.
inline std::string DefaultWithout(std::string_view element)
{
    const std::string name(element);
    return ReplaceAll(
        DefaultWith("<" + name + " ", "<X" + name + " "), "</" + name + ">", "</X" + name + ">");
}

// The built-in document with these "blue/red" team indices.
inline std::string WithTeams(std::string_view activeTeams)
{
    return DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"" + std::string(activeTeams) + '"');
}

// The first switch after position turned off.
inline std::string SwitchOffAfter(std::string bytes, std::size_t position)
{
    constexpr std::string_view kOn = "enabled=\"true\"";
    position = bytes.find(kOn, position);
    if (position == std::string::npos)
        throw std::invalid_argument("no switch to turn off");
    return bytes.replace(position, kOn.size(), "enabled=\"false\"");
}

inline std::string KitOff(std::string bytes, std::string_view kit)
{
    const std::size_t position = bytes.find("<" + std::string(kit) + " ");
    return SwitchOffAfter(std::move(bytes), position);
}

// Weapon slot #slot of the team's element switched off.
inline std::string WeaponOff(std::string bytes, std::string_view team, int slot)
{
    std::size_t position = bytes.find("<weapons>", bytes.find("<" + std::string(team) + " "));
    for (int passed = 0; passed < slot; ++passed)
        position = bytes.find("<slot_", position + 1);
    return SwitchOffAfter(std::move(bytes), position);
}
