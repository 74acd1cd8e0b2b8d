#include "session/ProfileCheck.h"

#include "profile/ProfileStore.h"
#include "session/Messages.h"

#include <functional>

namespace {

std::optional<std::string> Problem(
    const std::filesystem::path& folder, const std::function<bool(ProfileStore&)>& load)
{
    ProfileStore store(folder);
    if (load(store))
        return std::nullopt;
    return Messages::LoadFailure(store.lastError(), store.lastErrorDetail());
}

}  // namespace

std::optional<std::string> ProfileFileProblem(const std::filesystem::path& file)
{
    return Problem(file.has_parent_path() ? file.parent_path() : ".", [&](ProfileStore& store) {
        return store.LoadProfile(ProfileEntry{file.stem().string(), file.filename()}).has_value();
    });
}

std::optional<std::string> ProfileTextProblem(std::string_view bytes)
{
    return Problem(
        ".", [&](ProfileStore& store) { return store.ReadProfileText("-", bytes).has_value(); });
}
