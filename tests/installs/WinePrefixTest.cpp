#include "installs/WinePrefix.h"

#include <gtest/gtest.h>

#include <cstdlib>

// This changes the process's environment; no other test here reads it.
TEST(WinePrefix, TakesTheFolderFromTheEnvironmentAsWineDoes)
{
    setenv("HOME", "/home/player", 1);
    setenv("WINEPREFIX", "/games/wine-bfv", 1);
    EXPECT_EQ(WinePrefix::FromEnvironment().folder(), "/games/wine-bfv");
    setenv("WINEPREFIX", "", 1);
    EXPECT_EQ(WinePrefix::FromEnvironment().folder(), "/home/player/.wine");
    unsetenv("WINEPREFIX");
    EXPECT_EQ(WinePrefix::FromEnvironment().folder(), "/home/player/.wine");
}
