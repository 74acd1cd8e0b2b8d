#pragma once

// Finds the Wine prefixes on the machine, in the order their installs are
// preferred: the prefix given on the command line alone; else $WINEPREFIX,
// the prefix chosen in the settings file, ~/.wine, then those of the prefix
// managers (Lutris, Bottles, PlayOnLinux, Steam's Proton, Heroic, CrossOver).
// A prefix is a folder holding system.reg (of any kind: one that cannot be
// read is reported when it is read); within one manager the most
// recently changed system.reg comes first. A prefix reached twice (through a
// link, or listed by two managers) is kept only where it comes first.

#include "installs/InstallSearch.h"
#include "installs/WinePrefix.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Where an install or a prefix was found, in the order of preference.
enum class InstallSource {
    PrefixOption,  // the prefix given on the command line
    WinePrefixVariable,
    ChosenFolder,  // an install folder chosen by hand
    ChosenPrefix,
    DefaultPrefix,  // ~/.wine
    Lutris,
    Bottles,
    PlayOnLinux,
    Proton,
    Heroic,
    CrossOver,
};

// The source as the user knows it: "$WINEPREFIX", "Lutris", "chosen folder"...
// In English, for scripts; Translated() gives a person's words.
std::string_view SourceName(InstallSource source);

// Enough of a system.reg's state to tell when it has changed.
struct RegistryStamp {
    std::uintmax_t size = 0;
    std::int64_t changedNanoseconds = 0;
    bool operator==(const RegistryStamp&) const = default;
};

struct FoundPrefix {
    InstallSource source;
    WinePrefix prefix;
    // None when there is no system.reg; only the prefixes named on the
    // command line, by $WINEPREFIX or in the settings are kept without one.
    std::optional<RegistryStamp> registry;
};

struct PrefixesFound {
    std::vector<FoundPrefix> prefixes;
    // The managers' lists that were skipped (Lutris's game files, Steam's library lists).
    std::vector<SkippedFile> skippedFiles;
};

PrefixesFound DiscoverPrefixes(const InstallSearch& search);
