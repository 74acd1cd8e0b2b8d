#include "session/ProfileLoader.h"

#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/Messages.h"
#include "session/SessionView.h"
#include "session/Suggestion.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

// " Did you mean "Weekend"?" for a name mistyped, among "Default" and the
// profiles of the working folder.
std::string SuggestedProfile(const std::string& typed)
{
    std::vector<ProfileEntry> entries;
    ProfileStore(".").ListProfiles(entries);
    std::vector<std::string_view> names{kDefaultProfileName};
    for (const ProfileEntry& entry : entries)
        names.push_back(entry.name);
    return DidYouMean(typed, names);
}

}  // namespace

ProfileLoader::ProfileLoader(EditorState& state, Dialogs& dialogs)
    : state_(state)
    , dialogs_(dialogs)
{
}

bool ProfileLoader::Load(const ProfileEntry& entry)
{
    return LoadWith(entry.name, [&](ProfileStore& store) { return store.LoadProfile(entry); });
}

bool ProfileLoader::LoadNamed(const std::string& name)
{
    std::vector<ProfileEntry> entries;
    ProfileStore(".").ListProfiles(entries);
    const auto listed = std::ranges::find(entries, name, &ProfileEntry::name);
    if (listed != entries.end())
        return Load(*listed);
    return LoadWith(name, [&](ProfileStore& store) { return store.LoadProfile(name); });
}

bool ProfileLoader::LoadWith(
    const std::string& name, const std::function<std::optional<Profile>(ProfileStore&)>& read)
{
    // Every load replaces the store's document, and the current profile is
    // saved into that document: a store of its own reads the file, and takes
    // over only once the file has been accepted.
    auto store = std::make_unique<ProfileStore>();
    std::optional<Profile> profile = read(*store);
    if (!profile) {
        std::string message = Messages::UnableToLoad(
            name, store->lastError(), store->lastErrorCode(), store->lastErrorDetail());
        if (store->lastErrorCode() == ENOENT)
            message += SuggestedProfile(name);
        dialogs_.ShowWindowMessage(std::string(Messages::kErrorLoadingTitle), message);
        return false;
    }
    state_.profileStore = std::move(store);
    MakeCurrent(std::move(*profile));
    return true;
}

bool ProfileLoader::LoadDefault()
{
    state_.currentProfile.reset();
    if (!state_.profileStore)
        state_.profileStore = std::make_unique<ProfileStore>();
    std::optional<Profile> profile = state_.profileStore->LoadDefaultProfile();
    if (!profile) {
        dialogs_.ShowWindowMessage(
            std::string(Messages::kCriticalErrorTitle), std::string(Messages::kCriticalError));
        state_.fatalError = true;
        return false;
    }
    MakeCurrent(std::move(*profile));
    return true;
}

void ProfileLoader::MakeCurrent(Profile profile)
{
    state_.currentProfile = std::move(profile);
    state_.history.Start(*state_.currentProfile);
    state_.view.ShowProfile(*state_.currentProfile);
    state_.SetModified(false);
}
