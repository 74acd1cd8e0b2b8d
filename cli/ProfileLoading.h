#pragma once

// Loading a profile named on the command line, with the window's messages when
// that fails. Names address files of the current folder only.

#include "cli/Console.h"
#include "profile/ProfileStore.h"

#include <optional>
#include <string>

// True for "Default" and for names that IsSafeProfileName accepts; otherwise
// says why on err.
bool CheckProfileName(const std::string& name, Console& console);

bool IsDefaultProfileName(const std::string& name);

// NAME.wst through the reader; none after "Unable to load WST file!" and the
// reader's reason.
std::optional<Profile> LoadProfileFile(
    ProfileStore& store, const std::string& name, Console& console);

// The built-in profile, rewriting Default.wst as the window does whenever it
// loads it; none after the window's critical error when that file cannot be
// written.
std::optional<Profile> RestoreDefaultProfile(ProfileStore& store, Console& console);

// RestoreDefaultProfile for "Default", else LoadProfileFile.
std::optional<Profile> LoadNamedProfile(
    ProfileStore& store, const std::string& name, Console& console);
