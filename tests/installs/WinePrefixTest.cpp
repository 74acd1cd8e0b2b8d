#include "installs/WinePrefix.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// Sets or removes an environment variable for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value)
        : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        Set(value);
    }
    ~ScopedVariable() { Set(old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void Set(const std::optional<std::string>& value) const
    {
        if (value)
            setenv(name_, value->c_str(), 1);
        else
            unsetenv(name_);
    }

    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

TEST(WinePrefix, TakesTheFolderFromTheEnvironmentAsWineDoes)
{
    struct Case {
        std::optional<std::string> winePrefix;
        std::filesystem::path expected;
    };
    const std::vector<Case> cases = {
        {"/games/wine-bfv", "/games/wine-bfv"},
        {"", "/home/player/.wine"},
        {std::nullopt, "/home/player/.wine"},
    };
    const ScopedVariable home("HOME", "/home/player");
    for (const Case& test : cases) {
        const ScopedVariable winePrefix("WINEPREFIX", test.winePrefix);
        EXPECT_EQ(WinePrefix::FromEnvironment().folder(), test.expected)
            << test.winePrefix.value_or("unset");
    }
}

TEST(WinePrefix, NamesTheRegistryHiveAndDriveLinks)
{
    const WinePrefix prefix("/games/wine-bfv");
    EXPECT_EQ(prefix.SystemRegistry(), "/games/wine-bfv/system.reg");
    EXPECT_EQ(prefix.DriveLink('c'), "/games/wine-bfv/dosdevices/c:");
    EXPECT_EQ(prefix.DriveLink('Z'), "/games/wine-bfv/dosdevices/z:");
}
