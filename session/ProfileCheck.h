#pragma once

// Whether a document loads as a profile, read exactly as the window and
// quavel-cli load the profiles of their working folder, for a check of files
// anywhere and of documents given on a pipe.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The reason the file is refused, as a load of it would tell it; none when it loads.
std::optional<std::string> ProfileFileProblem(const std::filesystem::path& file);
// The same for a whole document given as text.
std::optional<std::string> ProfileTextProblem(std::string_view bytes);
