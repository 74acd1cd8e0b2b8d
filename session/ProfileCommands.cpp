#include "session/ProfileCommands.h"

#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/FolderLockHold.h"
#include "session/Messages.h"
#include "session/ProfileLoader.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr std::string_view kInitialProfilePrefix = "CustomCombat";

}  // namespace

std::optional<ProfileRefusal> CreateNewProfile(ProfileStore& store, const std::string& name)
{
    if (name == kDefaultProfileName)
        return ProfileRefusal{Messages::kCannotSaveOverDefault, {}};
    // Refused before Default.wst is written, so that a bad name changes nothing.
    if (!IsSafeProfileName(name))
        return ProfileRefusal{Messages::kCouldNotCreateProfile, Messages::NotAProfileName(name)};
    // New profiles copy Default.wst, written from the built-in profile when the
    // folder has none yet. A store of its own writes it, so that the document
    // of the current profile stays loaded.
    std::error_code missing;
    if (!std::filesystem::exists(store.ProfilePath(kDefaultProfileName), missing)) {
        if (const int error = ProfileStore(store.workingFolder()).WriteDefaultFile())
            return ProfileRefusal{Messages::kCouldNotCreateProfile,
                Translated("Default.wst could not be written: ") + Messages::Reason(error)};
    }
    if (const int error = store.NewProfileFile(name))
        return ProfileRefusal{
            Messages::kCouldNotCreateProfile, Messages::NotCreatedBecause(name, error)};
    return std::nullopt;
}

ProfileCommands::ProfileCommands(EditorState& state, ProfileLoader& loader, Dialogs& dialogs)
    : state_(state)
    , loader_(loader)
    , dialogs_(dialogs)
{
}

void ProfileCommands::FillProfileList(Selection selection, const std::string& asked)
{
    ProfileList& list = state_.profileList;
    std::vector<ProfileEntry> files;
    if (state_.profileStore->ListProfiles(files) < 0)
        files.clear();
    list.Fill(files);
    if (selection == Selection::Current) {
        list.Select(list.FindStartingWith(state_.currentProfile->name));
        return;
    }
    const int initial = asked.empty() || list.Find(asked) < 0
        ? list.FindStartingWith(kInitialProfilePrefix)
        : list.Find(asked);
    if (initial >= 0) {
        list.Select(initial);
        if (loader_.Load(list.EntryAt(initial)))
            return;
    }
    list.Select(0);
    loader_.LoadDefault();
}

void ProfileCommands::SwitchTo(int entry)
{
    ProfileList& list = state_.profileList;
    list.Select(entry);
    if (entry < 0)
        return;  // the user took the selection away: nothing to switch to
    const ProfileEntry picked = list.EntryAt(entry);
    if (!ConfirmSaveChanges()) {
        ReselectCurrent();
        return;
    }
    // Saving "Default" under another name refreshes the list, which may move
    // the picked entry and selects another.
    bool loaded = false;
    if (entry == 0) {
        list.Select(0);
        state_.EnableSaveAndRevert(false);
        loaded = loader_.LoadDefault();
    } else {
        list.Select(list.Find(picked.name));
        loaded = loader_.Load(picked);
    }
    if (!loaded)
        ReselectCurrent();
}

void ProfileCommands::ReselectCurrent()
{
    ProfileList& list = state_.profileList;
    list.Select(state_.currentProfile ? list.Find(state_.currentProfile->name) : -1);
    state_.SetModified(state_.modified);
}

void ProfileCommands::New()
{
    const std::optional<std::string> name = CreateNewProfileFile();
    if (!name)
        return;
    const bool loaded = loader_.LoadNamed(*name);
    ProfileList& list = state_.profileList;
    list.Append({*name, state_.profileStore->ProfilePath(*name).filename()});
    if (loaded)
        list.Select(list.Count() - 1);
}

std::optional<std::string> ProfileCommands::CreateNewProfileFile()
{
    for (;;) {
        const std::optional<std::string> name = dialogs_.AskText(
            std::string(Messages::kNewProfileCaption), std::string(Messages::kNewProfilePrompt));
        if (!name)
            return std::nullopt;
        const std::optional<ProfileRefusal> refusal = CreateNewProfile(*state_.profileStore, *name);
        if (!refusal)
            return name;
        const std::string question
            = std::string(refusal->message) + std::string(Messages::kTryAgain);
        if (dialogs_.ShowApplicationMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes)
            return std::nullopt;
    }
}

bool ProfileCommands::Save(const std::function<void()>& alongTheSave)
{
    if (SaveOwnFile(alongTheSave) != SaveResult::Saved)
        return false;
    state_.SetModified(false);
    return true;
}

std::optional<std::function<bool()>> ProfileCommands::AgreeToReplace()
{
    const ProfileStore& store = *state_.profileStore;
    const Profile& profile = *state_.currentProfile;
    if (!store.ChangedOnDisk(profile))
        return [&store, &profile] { return !store.ChangedOnDisk(profile); };
    const std::optional<FileStamp> seen = store.StampOnDisk(profile);
    const std::string question
        = Messages::ChangedByAnotherProgram(store.ProfilePath(profile.name).filename().string());
    if (dialogs_.ShowApplicationMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return std::nullopt;
    return [&store, &profile, seen] { return store.StampOnDisk(profile) == seen; };
}

ProfileCommands::SaveResult ProfileCommands::SaveOwnFile(const std::function<void()>& alongTheSave)
{
    ProfileStore& store = *state_.profileStore;
    for (;;) {
        // Asked with no lock held, so that other programs are not kept waiting
        // on the user: the file is looked at again once the lock is held.
        const std::optional<std::function<bool()>> unchanged = AgreeToReplace();
        if (!unchanged)
            return SaveResult::Declined;
        int error = 0;
        {
            const FolderLockHold lock(state_);
            error = lock.error();
            if (error == 0 && !(*unchanged)())
                continue;  // changed again while the user was asked: ask again
            if (error == 0)
                error = store.SaveProfileFile(*state_.currentProfile);
            if (error == 0 && alongTheSave)
                alongTheSave();
        }
        if (error == 0) {
            state_.history.MarkSaved();
            return SaveResult::Saved;
        }
        dialogs_.ShowWindowMessage(std::string(Messages::kErrorSavingTitle),
            Messages::UnableToSave(error, store.saveProblem()));
        return SaveResult::Failed;
    }
}

void ProfileCommands::Revert()
{
    if (state_.profileList.selected() == 0) {
        loader_.LoadDefault();
        return;
    }
    const std::string name = state_.currentProfile->name;  // the load replaces the record
    loader_.LoadNamed(name);
}

void ProfileCommands::SaveAs()
{
    std::error_code error;
    const std::filesystem::path workingFolder = std::filesystem::current_path(error);
    const std::optional<std::string> chosen = dialogs_.AskSaveFileName(workingFolder.string());
    int code = 0;
    if (!chosen || SaveOwnFile([&] {
            code = state_.profileStore->ExportProfile(*state_.currentProfile, *chosen);
        }) != SaveResult::Saved)
        return;
    if (code != 0) {
        dialogs_.ShowApplicationMessage(Messages::ErrorSavingAs(*chosen, code), MessageButtons::Ok);
        return;
    }
    dialogs_.ShowApplicationMessage(Messages::SavedAs(*chosen), MessageButtons::Ok);
    FillProfileList(Selection::Current);
}

bool ProfileCommands::ConfirmSaveChanges()
{
    if (!state_.modified)
        return true;
    const MessageAnswer answer = dialogs_.ShowApplicationMessage(
        std::string(Messages::kSaveChanges), MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer != MessageAnswer::Yes)
        return true;
    // "Default.wst" is rewritten at every load: the edits need a name of their own.
    if (state_.currentProfile->name == kDefaultProfileName) {
        SaveAs();
        return true;
    }
    const SaveResult result = SaveOwnFile();
    if (result == SaveResult::Saved)
        state_.SetModified(false);
    // Keeping another program's changes keeps the edits too, so the action waits.
    return result != SaveResult::Declined;
}

void ProfileCommands::RefreshFromDisk()
{
    if (!state_.profileStore || !state_.currentProfile)
        return;  // not started, or started in a folder it cannot use
    ProfileList& list = state_.profileList;
    std::vector<ProfileEntry> files;
    if (state_.profileStore->ListProfiles(files) >= 0 && !list.Holds(files)) {
        const std::string selected = list.selected() >= 0 ? list.NameAt(list.selected()) : "";
        list.Fill(files);
        list.Select(list.Find(selected));
        state_.SetModified(state_.modified);
    }
    ProfileStore& store = *state_.profileStore;
    const Profile& profile = *state_.currentProfile;
    std::error_code error;
    if (state_.modified || profile.name == kDefaultProfileName
        || !std::filesystem::exists(store.ProfilePath(profile.name), error)
        || !store.ChangedOnDisk(profile))
        return;
    const std::string name = profile.name;  // the load replaces the record
    loader_.LoadNamed(name);
}
