#include "editor/StartupChecks.h"

#include "editor/Dialogs.h"
#include "editor/EditorState.h"
#include "editor/PublishTargetButtons.h"
#include "installs/GameDir.h"
#include "installs/InstallFinder.h"

#include <fcntl.h>
#include <unistd.h>

#include <string_view>

namespace {

constexpr const char* kWriteTestFileName = "quavel.tst";

// Where publishing to the install copies the profile. A drive without a
// folder in the prefix leaves only the Windows path, which publishing then
// reports as missing.
std::string PublishPathOf(const InstallLocation& install)
{
    if (!install.found)
        return {};
    if (!install.publishPath.empty())
        return install.publishPath.string();
    return install.SettingsFolderText() + '\\' + std::string(kPublishFileName);
}

void ReportCreateError(const InstallLocation& install, Dialogs& dialogs)
{
    if (install.found && IsReportedCreateError(install.createError))
        dialogs.ShowApplicationMessage(
            QStringLiteral("Could not create directory:\n%1")
                .arg(QString::fromStdString(install.SettingsFolderText())),
            MessageButtons::Ok);
}

}  // namespace

void FindPublishTargets(
    EditorState& state, PublishTargetButtons& buttons, Dialogs& dialogs, const WinePrefix& prefix)
{
    if (state.workingFolderOnly) {
        buttons.Offer({});
        return;
    }
    const InstallLocation server = FindInstall(prefix, kServerKeyPath);
    const InstallLocation game = FindInstall(prefix, kGameKeyPath);
    ReportCreateError(server, dialogs);
    ReportCreateError(game, dialogs);
    state.serverPublishPath = PublishPathOf(server);
    state.gamePublishPath = PublishPathOf(game);
    buttons.Offer({.server = server.found, .game = game.found});
}

bool CanCreateFilesInWorkingFolder()
{
    const int file = ::open(kWriteTestFileName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (file < 0)
        return false;
    ::close(file);
    ::unlink(kWriteTestFileName);
    return true;
}
