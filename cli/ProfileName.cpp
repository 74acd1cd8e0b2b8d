#include "cli/ProfileName.h"

#include "profile/ProfileStore.h"

bool CheckProfileName(const std::string& name, Console& console)
{
    if (IsDefaultProfileName(name) || IsSafeProfileName(name))
        return true;
    console.err << '"' << name
                << "\" is not a profile name: a name is not empty, not \".\" or \"..\", and "
                   "holds no slash, backslash or control character.\n";
    return false;
}

bool IsDefaultProfileName(const std::string& name)
{
    return name == kDefaultProfileName;
}
