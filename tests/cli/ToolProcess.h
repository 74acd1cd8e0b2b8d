#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Changes to the child's environment: a value sets the variable, none unsets it.
using EnvironmentChanges = std::map<std::string, std::optional<std::string>>;

// Runs the built quavel-cli with the arguments in workingFolder, and waits for
// it. Its output is collected through files, so that nothing can block.
ToolResult RunTool(const std::filesystem::path& workingFolder,
    const std::vector<std::string>& arguments, const EnvironmentChanges& environment);
