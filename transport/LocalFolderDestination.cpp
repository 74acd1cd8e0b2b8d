#include "transport/LocalFolderDestination.h"

#include "installs/InstallFinder.h"
#include "installs/WinePath.h"
#include "profile/AtomicFile.h"
#include "profile/FileBackup.h"
#include "profile/RegularFile.h"
#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/FileAction.h"
#include "transport/FolderPath.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user ? fs::path(user->pw_dir) : fs::path("/");
}

std::string Described(const fs::path& path, FileAction action, int error)
{
    return CouldNot(action, path.string(), SystemErrorText(error));
}

// error: of looking at the folder; none when it is something other than a folder.
TransportResult MissingFolder(const fs::path& folder, const std::error_code& error)
{
    return SystemFailure(Outcome::FolderMissing,
        Formatted(Translated("The folder %s does not exist or is no folder."), {folder.string()}),
        error ? error.value() : ENOTDIR);
}

void Report(const TransferControl& control, std::uint64_t done, std::uint64_t total)
{
    if (control.progress)
        control.progress(TransferStage::Uploading, done, total);
}

}  // namespace

LocalFolderDestination::LocalFolderDestination(Location location, FolderRole role)
    : location_(std::move(location))
    , role_(role)
{
}

fs::path LocalFolderDestination::GivenFolder() const
{
    return location_.base == PathBase::Home ? HomeFolder() / location_.path
                                            : fs::path(location_.path);
}

TransportResult LocalFolderDestination::FindSettingsFolder(
    Creation creation, fs::path& folder) const
{
    const fs::path given = GivenFolder();
    std::error_code error;
    if (!fs::is_directory(given, error))
        return MissingFolder(given, error);
    if (role_ == FolderRole::SettingsFolder) {
        folder = given;
        return {};
    }
    std::string below;
    for (const std::string& component : SettingsFolderComponents())
        below = JoinPath(below, component);
    folder = FollowPathIgnoringCase(given, below);
    if (fs::is_directory(folder, error))
        return {};
    if (creation == Creation::LookOnly)
        return Failure(Outcome::FolderMissing,
            Formatted(Translated("The install folder %1$s has no settings folder %2$s yet."),
                {given.string(), below}));
    fs::create_directories(folder, error);
    if (error)
        return SystemFailure(Outcome::FolderMissing,
            Described(folder, FileAction::CreateFolder, error.value()), error.value());
    return {};
}

TransportResult LocalFolderDestination::Publish(
    std::string_view bytes, Backup backup, const TransferControl& control)
{
    fs::path folder;
    if (TransportResult found = FindSettingsFolder(Creation::Create, folder); !found.IsDone())
        return found;
    if (control.stop.stop_requested())
        return Failure(Outcome::Cancelled, Translated("Cancelled before anything was written."));
    const fs::path target = FollowPathIgnoringCase(folder, kPublishFileName);
    // A folder in the file's place is refused below, as without the check.
    if (control.mayReplace) {
        RegularFileRead found = ReadRegularFile(target, kMaximumProfileBytes);
        if (found.error != 0 && found.error != ENOENT && found.error != EISDIR)
            return SystemFailure(
                Outcome::Failed, Described(target, FileAction::Read, found.error), found.error);
        if (!control.mayReplace(found.error == 0 ? std::optional(found.bytes) : std::nullopt))
            return KeptThere(target.string());
    }
    TransportResult result;
    if (backup == Backup::KeepReplacedFile) {
        fs::path kept;
        if (const int error = BackUpFile(target, kept))
            return SystemFailure(
                Outcome::BackupFailed, Described(target, FileAction::KeepCopy, error), error);
        result.keptCopy = kept.string();
    }
    Report(control, 0, bytes.size());
    if (const int error = WriteFileAtomically(target, bytes))
        return SystemFailure(
            error == EISDIR || error == EINVAL ? Outcome::Refused : Outcome::Failed,
            Described(target, FileAction::Write, error), error);
    Report(control, bytes.size(), bytes.size());
    return result;
}

FetchResult LocalFolderDestination::Fetch(std::size_t maxBytes, const TransferControl&)
{
    fs::path folder;
    if (TransportResult found = FindSettingsFolder(Creation::LookOnly, folder); !found.IsDone())
        return {std::move(found), {}};
    const fs::path target = FollowPathIgnoringCase(folder, kPublishFileName);
    RegularFileRead read = ReadRegularFile(target, maxBytes);
    if (read.error == 0)
        return {{}, std::move(read.bytes)};
    const Outcome outcome = read.error == ENOENT ? Outcome::FileMissing
        : read.error == EFBIG                    ? Outcome::TooLarge
                                                 : Outcome::Failed;
    return {
        SystemFailure(outcome, Described(target, FileAction::Read, read.error), read.error), {}};
}

TransportResult LocalFolderDestination::Check(const TransferControl&)
{
    // Below an install folder, the first publish creates the settings folder.
    const fs::path given = GivenFolder();
    std::error_code error;
    return fs::is_directory(given, error) ? TransportResult{} : MissingFolder(given, error);
}
