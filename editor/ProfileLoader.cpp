#include "editor/ProfileLoader.h"

#include "editor/Dialogs.h"
#include "editor/Editor.h"

#include <memory>
#include <optional>
#include <utility>

ProfileLoader::ProfileLoader(Editor& editor, Dialogs& dialogs)
    : editor_(editor)
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
        dialogs_.ShowWindowMessage(QStringLiteral("Error Loading!"),
            QStringLiteral("Unable to load WST file!\n")
                + QString::fromStdString(store->lastError()));
        return false;
    }
    editor_.state.profileStore = std::move(store);
    MakeCurrent(std::move(*profile));
    return true;
}

bool ProfileLoader::LoadDefault()
{
    EditorState& state = editor_.state;
    state.currentProfile.reset();
    std::optional<Profile> profile = state.profileStore->LoadDefaultProfile();
    if (!profile) {
        dialogs_.ShowWindowMessage(QStringLiteral("Critical Error"),
            QStringLiteral("QUAVEL has enountered a critical error and cannot continue. Verify "
                           "QUAVEL has permission to create files in its working directory and "
                           "try again."));
        state.fatalError = true;
        return false;
    }
    MakeCurrent(std::move(*profile));
    return true;
}

void ProfileLoader::MakeCurrent(Profile profile)
{
    EditorState& state = editor_.state;
    state.currentProfile = std::move(profile);
    editor_.ProfileToControls(*state.currentProfile);
    state.SetModified(false);
}
