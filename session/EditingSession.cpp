#include "session/EditingSession.h"

#include "profile/InterruptedWrites.h"
#include "profile/TemporaryFile.h"
#include "session/Dialogs.h"
#include "session/Messages.h"
#include "session/ServerImport.h"
#include "session/ServerSettings.h"
#include "session/SessionView.h"
#include "session/TransportEnvironment.h"
#include "text/Formatted.h"

#include <memory>
#include <system_error>

EditingSession::EditingSession(Dialogs& dialogs, SessionView& view)
    : state_(view)
    , dialogs_(dialogs)
    , loader_(state_, dialogs)
    , commands_(state_, loader_, dialogs)
    , publisher_(state_, commands_, dialogs)
    , edits_(state_, dialogs)
{
}

void EditingSession::Start(
    const InstallSearch& search, PublishScope scope, const std::string& profileToOpen)
{
    state_.currentProfile.reset();
    scope_ = scope;
    installs_ = InstallChoices(search);
    if (scope == PublishScope::Installs)
        installs_.Find();
    OfferInstalls(std::nullopt);
    if (CheckWriteAccess(".") != 0) {
        dialogs_.ShowWindowMessage({}, std::string(Messages::kNoWriteAccess));
        state_.fatalError = true;
        return;
    }
    state_.profileStore = std::make_unique<ProfileStore>();
    commands_.FillProfileList(ProfileCommands::Selection::Initial, profileToOpen);
    state_.SetModified(false);
    TellRestoredFiles();
}

void EditingSession::RefreshFromDisk()
{
    commands_.RefreshFromDisk();
    TellRestoredFiles();
}

void EditingSession::TellRestoredFiles()
{
    for (const std::filesystem::path& file : TakeRestoredFiles())
        dialogs_.ShowApplicationMessage(
            Messages::RestoredFromCopy(file.string()), MessageButtons::Ok);
}

void EditingSession::ChooseInstallFolder(Product product, const std::filesystem::path& folder)
{
    OfferInstalls(installs_.Choose(product, folder));
}

void EditingSession::AskInstallFolder(Product product)
{
    const std::string caption
        = Formatted(Translated("Choose %s Folder"), {std::string(KindOf(product).caption)});
    const FoundInstall* inUse = installs().Of(product).InUse();
    std::error_code ignored;  // an unreadable working folder leaves the dialog to choose
    const std::filesystem::path start
        = inUse != nullptr ? inUse->location.folder : std::filesystem::current_path(ignored);
    if (const std::optional<std::string> folder = dialogs_.AskFolder(caption, start.string()))
        ChooseInstallFolder(product, *folder);
}

void EditingSession::ForgetChosenFolders()
{
    OfferInstalls(installs_.ForgetChosenFolders());
}

void EditingSession::OfferInstalls(const std::optional<std::string>& problem)
{
    if (problem)
        dialogs_.ShowApplicationMessage(*problem, MessageButtons::Ok);
    state_.publishTargets = scope_ == PublishScope::Installs ? PublishTargets::FromInstalls(
                                installs_.found(), ReadServers(installs_.SettingsPath()), dialogs_)
                                                             : PublishTargets();
    state_.view.ShowPublishTargets(state_.publishTargets);
}

void EditingSession::AddServer(const ServerEntry& server)
{
    OfferInstalls(::AddServer(installs_.SettingsPath(), server));
}

void EditingSession::RemoveServer(const std::string& name)
{
    OfferInstalls(::RemoveServer(installs_.SettingsPath(), name));
}

void EditingSession::ChooseServer(const std::string& name, ServerUse use)
{
    OfferInstalls(::ChooseServer(installs_.SettingsPath(), name, use));
}

bool EditingSession::Import(const PublishDestination& source, const std::string& name)
{
    if (!state_.profileStore)
        state_.profileStore = std::make_unique<ProfileStore>();
    ProfileStore store(state_.profileStore->workingFolder());
    std::optional<std::string> problem;
    const WatchedPublish fetch = [&](const PublishWatch& watch) {
        problem = ImportProfile(store, source, name, TransportOptionsOfProcess(),
            {watch.stop, {}, watch.credentials, {}});
        return std::vector<TransportResult>(1);
    };
    source.remote ? dialogs_.WatchPublish({source.label}, fetch) : fetch({});
    if (problem) {
        dialogs_.ShowApplicationMessage(*problem, MessageButtons::Ok);
        return false;
    }
    commands_.FillProfileList(ProfileCommands::Selection::Current);
    return Open(name);
}

bool EditingSession::Open(const std::string& name)
{
    return name == kDefaultProfileName ? loader_.LoadDefault() : loader_.LoadNamed(name);
}

std::optional<ProfileRefusal> EditingSession::CreateProfile(const std::string& name)
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
