#include "session/ProfileLoader.h"

#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/Messages.h"
#include "session/SessionView.h"

#include <memory>
#include <optional>
#include <utility>

ProfileLoader::ProfileLoader(EditorState& state, Dialogs& dialogs)
    : state_(state)
    , dialogs_(dialogs)
{
}

bool ProfileLoader::LoadNamed(const std::string& name)
{
    // Every load replaces the store's document, and the current profile is
    // saved into that document: a store of its own reads the file, and takes
    // over only once the file has been accepted.
    auto store = std::make_unique<ProfileStore>();
    std::optional<Profile> profile = store->LoadProfile(name);
    if (!profile) {
        dialogs_.ShowWindowMessage(std::string(Messages::kErrorLoadingTitle),
            std::string(Messages::kUnableToLoad) + '\n' + store->lastError());
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
    state_.view.ShowProfile(*state_.currentProfile);
    state_.SetModified(false);
}
