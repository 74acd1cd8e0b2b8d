#include "cli/ProfileName.h"

#include "profile/ProfileStore.h"
#include "session/Messages.h"

bool CheckProfileName(const std::string& name, Console& console)
{
    if (IsDefaultProfileName(name) || IsSafeProfileName(name))
        return true;
    console.Error(Messages::NotAProfileName(name));
    return false;
}

bool IsDefaultProfileName(const std::string& name)
{
    return name == kDefaultProfileName;
}
