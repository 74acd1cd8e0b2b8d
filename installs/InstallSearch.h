#pragma once

// What a search for installs starts from: the user's environment, the folders
// chosen in the settings file, and a prefix given on the command line.

#include "installs/InstallProblem.h"
#include "installs/SettingsFile.h"
#include "installs/UserEnvironment.h"

#include <filesystem>
#include <optional>

struct ChosenFolders {
    std::optional<std::filesystem::path> prefix;
    std::optional<std::filesystem::path> game;
    std::optional<std::filesystem::path> server;
    // The settings file, when it exists but could not be read; nothing is chosen then.
    std::optional<SkippedFile> skippedSettings;

    // From the keys of kSettingKeys; an empty value counts as not chosen.
    static ChosenFolders FromSettings(const SettingsFile& settings);
    // The same from the settings file at path.
    static ChosenFolders Read(const std::filesystem::path& settingsPath);
};

struct InstallSearch {
    UserEnvironment environment;
    ChosenFolders chosen;
    // Given, this prefix alone is searched: no other prefix, no chosen folder.
    std::optional<std::filesystem::path> onlyPrefix;
};
