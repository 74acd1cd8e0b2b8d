#include "profile/StateFolder.h"

#include <cstdlib>

std::filesystem::path StateFolder()
{
    namespace fs = std::filesystem;
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && fs::path(state).is_absolute())
        return fs::path(state) / "quavel";
    const char* home = std::getenv("HOME");
    if (home && fs::path(home).is_absolute())
        return fs::path(home) / ".local" / "state" / "quavel";
    return {};
}
