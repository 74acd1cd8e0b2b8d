#include "installs/UserEnvironment.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::filesystem::path HomeFolder()
{
    if (std::string home = Variable("HOME"); !home.empty())
        return home;
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return {};
}

}  // namespace

UserEnvironment UserEnvironment::FromProcess()
{
    return {HomeFolder(), Variable("WINEPREFIX"), Variable("XDG_CONFIG_HOME")};
}
