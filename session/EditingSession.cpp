#include "session/EditingSession.h"

#include "profile/TemporaryFile.h"
#include "session/Dialogs.h"
#include "session/Messages.h"
#include "session/SessionView.h"

#include <memory>

EditingSession::EditingSession(Dialogs& dialogs, SessionView& view)
    : state_(view)
    , dialogs_(dialogs)
    , loader_(state_, dialogs)
    , commands_(state_, loader_, dialogs)
    , publisher_(state_, commands_, dialogs)
    , edits_(state_, dialogs)
{
}

void EditingSession::Start(const WinePrefix& prefix, PublishScope scope)
{
    state_.currentProfile.reset();
    if (scope == PublishScope::Installs)
        state_.publishTargets = PublishTargets::Find(prefix, dialogs_);
    state_.view.ShowPublishTargets(state_.publishTargets);
    if (CheckWriteAccess(".") != 0) {
        dialogs_.ShowWindowMessage({}, std::string(Messages::kNoWriteAccess));
        state_.fatalError = true;
        return;
    }
    state_.profileStore = std::make_unique<ProfileStore>();
    commands_.FillProfileList(ProfileCommands::Selection::Initial);
    state_.SetModified(false);
}

bool EditingSession::Open(const std::string& name)
{
    return name == kDefaultProfileName ? loader_.LoadDefault() : loader_.LoadNamed(name);
}

std::optional<std::string_view> EditingSession::CreateProfile(const std::string& name)
{
    if (!state_.profileStore)
        state_.profileStore = std::make_unique<ProfileStore>();
    return CreateNewProfile(*state_.profileStore, name);
}

bool EditingSession::Close()
{
    if (!commands_.ConfirmSaveChanges())
        return false;
    state_.currentProfile.reset();
    return true;
}

int EditingSession::LockFolder()
{
    const int error = state_.LockFolder();
    if (error != 0)
        dialogs_.ShowApplicationMessage(Messages::CouldNotLockFolder(error), MessageButtons::Ok);
    return error;
}

std::filesystem::path EditingSession::CurrentFile() const
{
    if (!state_.profileStore || !state_.currentProfile)
        return {};
    return state_.profileStore->ProfilePath(state_.currentProfile->name);
}
