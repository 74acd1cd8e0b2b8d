#include "editor/Publisher.h"

#include "editor/Dialogs.h"
#include "editor/Editor.h"
#include "editor/ProfileCommands.h"
#include "editor/PublishTargetButtons.h"
#include "installs/InstallFinder.h"

#include <QFile>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// The working folder as it is now, at any length. When it cannot be read
// (it was removed, say) the file name alone is left, which Export reports as
// a missing path.
std::string WorkingFolderDestination()
{
    std::error_code error;
    return (std::filesystem::current_path(error) / kPublishFileName).string();
}

}  // namespace

Publisher::Publisher(Editor& editor, const PublishTargetButtons& targets, ProfileCommands& profiles,
    Dialogs& dialogs)
    : editor_(editor)
    , targets_(targets)
    , profiles_(profiles)
    , dialogs_(dialogs)
{
}

void Publisher::Publish()
{
    EditorState& state = editor_.state;
    editor_.ControlsToProfile(*state.currentProfile);
    // The edits count as saved only once the profile's own file holds them;
    // after a failed write, closing still asks about them.
    if (state.profileStore->SaveProfile(*state.currentProfile) == 1)
        state.SetModified(false);
    if (const std::optional<PublishTarget> target = targets_.Checked()) {
        for (const std::string& destination : Destinations(*target)) {
            if (const int error = Export(destination))
                dialogs_.ShowApplicationMessage(
                    QStringLiteral("Error Publishing to:\n%1\nError: %2")
                        .arg(QFile::decodeName(destination.c_str()), QString::number(error)),
                    MessageButtons::Ok);
        }
    }
    profiles_.FillProfileList(ProfileCommands::Selection::Current);
}

std::vector<std::string> Publisher::Destinations(PublishTarget target) const
{
    const EditorState& state = editor_.state;
    switch (target) {
    case PublishTarget::WorkingFolder:
        return {WorkingFolderDestination()};
    case PublishTarget::Server:
        return {state.serverPublishPath};
    case PublishTarget::Game:
        return {state.gamePublishPath};
    case PublishTarget::Both:
        return {state.serverPublishPath, state.gamePublishPath};
    }
    return {};
}

int Publisher::Export(const std::string& destination)
{
    // Only a Windows path, whose drive has no folder in the prefix, or a bare
    // file name is not absolute here; writing there would land in the
    // working folder instead.
    if (!std::filesystem::path(destination).is_absolute())
        return ENOENT;
    EditorState& state = editor_.state;
    return state.profileStore->ExportProfile(*state.currentProfile, destination);
}
