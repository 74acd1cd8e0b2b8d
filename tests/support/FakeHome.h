#pragma once

// A home folder for one test, to fill with the prefixes of Wine and of the
// prefix managers, their lists and Quavel's settings file; its environment
// names no $WINEPREFIX and no $XDG_CONFIG_HOME until a test sets them.

#include "installs/UserEnvironment.h"
#include "tests/support/FakeWinePrefix.h"

#include <filesystem>
#include <string_view>

class FakeHome : public TestFolder {
public:
    UserEnvironment environment{path(), "", ""};

    // Creates the prefix (relative to home) with its system.reg.
    std::filesystem::path AddPrefix(
        const std::filesystem::path& relative, std::string_view registryText) const
    {
        BuildWinePrefix(path() / relative);
        WriteFile(relative / "system.reg", registryText);
        return path() / relative;
    }
    // Writes the file, creating its folders.
    void WriteFile(const std::filesystem::path& relative, std::string_view bytes) const
    {
        std::filesystem::create_directories((path() / relative).parent_path());
        Write(relative, bytes);
    }
};
