#pragma once

// Whether a file loads as a profile, read exactly as the window and quavel-cli
// load the profiles of their working folder, for a check of files anywhere.

#include <filesystem>
#include <optional>
#include <string>

// The reason the file is refused, as a load of it would tell it; none when it loads.
std::optional<std::string> ProfileFileProblem(const std::filesystem::path& file);
