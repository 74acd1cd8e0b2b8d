#include "cli/ProfileLoading.h"

#include "cli/Messages.h"

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

std::optional<Profile> LoadProfileFile(
    ProfileStore& store, const std::string& name, Console& console)
{
    std::optional<Profile> profile = store.LoadProfile(name);
    if (!profile)
        console.err << Messages::kUnableToLoad << '\n' << store.lastError() << '\n';
    return profile;
}

std::optional<Profile> RestoreDefaultProfile(ProfileStore& store, Console& console)
{
    std::optional<Profile> profile = store.LoadDefaultProfile();
    if (!profile)
        console.err << Messages::kCriticalError << '\n';
    return profile;
}

std::optional<Profile> LoadNamedProfile(
    ProfileStore& store, const std::string& name, Console& console)
{
    return IsDefaultProfileName(name) ? RestoreDefaultProfile(store, console)
                                      : LoadProfileFile(store, name, console);
}
