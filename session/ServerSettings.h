#pragma once

// The named servers of the settings file as both front-ends change them:
// each change loads the file, changes it and saves it under the lock of its
// folder (see ChangeSettingsFile). A URL is checked as publishing reads it
// (see ParseLocation) before it is written, so that a server in the file is
// one that can be tried.

#include "installs/ServerEntry.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The servers of the file; none when it cannot be read.
std::vector<ServerEntry> ReadServers(const std::filesystem::path& settingsFile);

// Each gives the message telling why nothing was changed, or none.
std::optional<std::string> AddServer(
    const std::filesystem::path& settingsFile, const ServerEntry& server);
std::optional<std::string> RemoveServer(
    const std::filesystem::path& settingsFile, std::string_view name);
std::optional<std::string> ChooseServer(
    const std::filesystem::path& settingsFile, std::string_view name, ServerUse use);

// Why the server cannot be added (its name, its URL, its pin), or "".
std::string ServerProblem(const ServerEntry& server);
