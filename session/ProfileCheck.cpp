#include "session/ProfileCheck.h"

#include "profile/ProfileStore.h"
#include "session/Messages.h"

std::optional<std::string> ProfileFileProblem(const std::filesystem::path& file)
{
    ProfileStore store(file.has_parent_path() ? file.parent_path() : ".");
    if (store.LoadProfile(ProfileEntry{file.stem().string(), file.filename()}))
        return std::nullopt;
    return Messages::LoadFailure(store.lastError(), store.lastErrorDetail());
}
