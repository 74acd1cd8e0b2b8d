#include "transport/RemotePublisher.h"

#include "installs/InstallFinder.h"
#include "installs/UnicodeText.h"
#include "profile/FileBackup.h"
#include "profile/RegularFile.h"
#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/FileAction.h"
#include "transport/FolderPath.h"
#include "transport/UploadName.h"

#include <algorithm>
#include <array>
#include <ctime>

namespace {

TransportResult FailureOf(const Step& step)
{
    return step.failure;
}

// The entry named name: that spelling first, else one equal ignoring case.
std::optional<RemoteEntry> FindEntry(const std::vector<RemoteEntry>& entries, std::string_view name)
{
    const auto exact = std::find_if(entries.begin(), entries.end(),
        [name](const RemoteEntry& entry) { return entry.name == name; });
    if (exact != entries.end())
        return *exact;
    const std::string folded = FoldCase(name);
    const auto other = std::find_if(entries.begin(), entries.end(),
        [&folded](const RemoteEntry& entry) { return FoldCase(entry.name) == folded; });
    return other == entries.end() ? std::nullopt : std::optional(*other);
}

struct KindTexts {
    EntryKind kind;
    const char* notAFolder;  // %s: where the settings folder was looked for
    const char* notAFile;    // %s: where CustomCombat.wst was found
};

// Other kinds (devices, sockets) read as "no regular file".
constexpr std::array kKindTexts{
    KindTexts{EntryKind::Folder,
        TranslatedLater("%s is a folder, where the settings folder needs a folder."),
        TranslatedLater("%s is a folder: nothing was changed.")},
    KindTexts{EntryKind::Link,
        TranslatedLater("%s is a symbolic link, where the settings folder needs a folder."),
        TranslatedLater("%s is a symbolic link: nothing was changed.")},
    KindTexts{EntryKind::Other,
        TranslatedLater("%s is no regular file, where the settings folder needs a folder."),
        TranslatedLater("%s is no regular file: nothing was changed.")},
};

const KindTexts& TextsOf(EntryKind kind)
{
    const auto found = std::find_if(kKindTexts.begin(), kKindTexts.end(),
        [kind](const KindTexts& texts) { return texts.kind == kind; });
    return found != kKindTexts.end() ? *found : kKindTexts.back();
}

}  // namespace

RemotePublisher::RemotePublisher(
    RemoteFiles& files, const Location& location, const TransferControl& control)
    : files_(files)
    , location_(location)
    , control_(control)
{
}

TransportResult RemotePublisher::Open()
{
    if (control_.progress)
        control_.progress(TransferStage::Connecting, 0, 0);
    return files_.Connect();
}

TransportResult RemotePublisher::Descend(
    const std::string& folder, const std::string& component, Creation creation, std::string& found)
{
    std::vector<RemoteEntry> entries;
    if (Step listed = files_.List(folder, entries); !listed.IsOk())
        return listed.status == StepStatus::NotFound ? Failure(Outcome::FolderMissing,
                   Formatted(Translated("%s is gone."), {files_.Describe(folder)}))
                                                     : FailureOf(listed);
    const std::optional<RemoteEntry> entry = FindEntry(entries, component);
    found = JoinPath(folder, entry ? entry->name : component);
    if (entry && (entry->kind == EntryKind::Folder || files_.FindFolder(found).IsOk()))
        return {};
    if (entry)
        return Failure(Outcome::FolderMissing,
            Formatted(Translated(TextsOf(entry->kind).notAFolder), {files_.Describe(found)}));
    // Nothing to fetch there yet, in a place the first publish will make.
    if (creation == Creation::LookOnly)
        return Failure(Outcome::FileMissing,
            Formatted(Translated("%s does not exist yet."), {files_.Describe(found)}));
    if (Step made = files_.MakeFolder(found); !made.IsOk())
        return Failure(Outcome::FolderMissing,
            CouldNot(FileAction::CreateFolder, files_.Describe(found),
                made.status == StepStatus::Failed ? made.failure.reason
                                                  : std::string(Translated("it cannot be made."))));
    return {};
}

TransportResult RemotePublisher::FindGivenFolder()
{
    const Step given = files_.FindFolder(location_.path);
    if (given.IsOk())
        return {};
    return given.status == StepStatus::Failed
        ? FailureOf(given)
        : Failure(Outcome::FolderMissing,
            Formatted(Translated("The folder %s does not exist or is no folder."),
                {files_.Describe(location_.path)}));
}

TransportResult RemotePublisher::FindSettingsFolder(Creation creation, std::string& folder)
{
    folder = location_.path;
    if (TransportResult given = FindGivenFolder(); !given.IsDone())
        return given;
    if (location_.Role() == FolderRole::SettingsFolder)
        return {};
    for (const std::string& component : SettingsFolderComponents()) {
        std::string below;
        if (TransportResult found = Descend(folder, component, creation, below); !found.IsDone())
            return found;
        folder = below;
    }
    return {};
}

void RemotePublisher::RemoveLeftovers(
    const std::string& folder, const std::vector<RemoteEntry>& entries)
{
    const std::int64_t now = std::time(nullptr);
    for (const RemoteEntry& entry : entries) {
        const Leftover leftover
            = entry.kind == EntryKind::File ? ClassifyUpload(entry.name) : Leftover::No;
        const std::string path = JoinPath(folder, entry.name);
        std::int64_t modified = entry.modified.value_or(now);
        if (leftover == Leftover::WhenOlderThanAnHour && !entry.modified)
            files_.ModifiedAt(path, modified);
        const bool old = now - modified > std::chrono::seconds(kForeignUploadAge).count();
        if (leftover == Leftover::Yes || (leftover == Leftover::WhenOlderThanAnHour && old))
            files_.Remove(path);
    }
}

Step RemotePublisher::CopyFile(
    const RemoteEntry& old, const std::string& from, const std::string& to)
{
    Step step = files_.Link(from, to);
    if (step.status != StepStatus::Unsupported)
        return step;
    std::string bytes;
    if (step = files_.Download(from, kMaximumProfileBytes, bytes); !step.IsOk())
        return step;
    if (step = files_.Upload(to, bytes); !step.IsOk() || !old.mode)
        return step;
    step = files_.SetMode(to, *old.mode);
    return step.status == StepStatus::Unsupported ? Step{} : step;
}

TransportResult RemotePublisher::KeepCopy(const std::string& folder, const RemoteEntry& old,
    const std::vector<RemoteEntry>& entries, std::string& kept)
{
    const std::time_t now = std::time(nullptr);
    const std::string from = JoinPath(folder, old.name);
    for (int attempt = 0; attempt < kBackupNameAttempts; ++attempt) {
        const std::string name = BackupName(old.name, now, attempt);
        if (std::any_of(entries.begin(), entries.end(),
                [&name](const RemoteEntry& entry) { return entry.name == name; }))
            continue;
        const Step copied = CopyFile(old, from, JoinPath(folder, name));
        if (copied.status == StepStatus::Failed)
            return Failure(copied.failure.outcome,
                CouldNot(FileAction::KeepCopy, files_.Describe(from), copied.failure.reason));
        kept = name;
        return {};
    }
    return Failure(Outcome::Failed,
        CouldNot(FileAction::KeepCopy, files_.Describe(from),
            Translated("every backup name of this second is taken.")));
}

TransportResult RemotePublisher::UploadChecked(
    const std::string& path, std::string_view bytes, std::optional<unsigned> mode)
{
    if (control_.progress)
        control_.progress(TransferStage::Uploading, 0, bytes.size());
    if (Step uploaded = files_.Upload(path, bytes); !uploaded.IsOk()) {
        TransportResult failure = uploaded.status == StepStatus::Failed
            ? FailureOf(uploaded)
            : Failure(Outcome::FolderMissing, Translated("the folder is gone."));
        if (failure.outcome == Outcome::Failed)
            failure.reason = Formatted(
                Translated("Could not upload the new CustomCombat.wst: %s"), {failure.reason});
        return failure;
    }
    std::uint64_t size = 0;
    if (Step sized = files_.SizeOf(path, size); !sized.IsOk())
        return Failure(Outcome::Failed,
            Formatted(Translated("Could not check the size of %1$s: %2$s"),
                {files_.Describe(path), sized.failure.reason}));
    if (size != bytes.size())
        return Failure(Outcome::Failed,
            Formatted(TranslatedCount("The server holds %1$s of the %2$s byte written to %3$s (a "
                                      "full disk?).",
                          "The server holds %1$s of the %2$s bytes written to %3$s (a full disk?).",
                          bytes.size()),
                {std::to_string(size), std::to_string(bytes.size()), files_.Describe(path)}));
    if (mode) {
        const Step changed = files_.SetMode(path, *mode);
        if (changed.status == StepStatus::Failed)
            return changed.failure;
    }
    return {};
}

TransportResult RemotePublisher::Renamed(
    const std::string& from, const std::string& to, bool replacing)
{
    Step renamed = files_.Rename(from, to);
    // The one step that is not atomic: a server that renames only onto free names.
    if (renamed.status == StepStatus::Exists && replacing && files_.Remove(to).IsOk())
        renamed = files_.Rename(from, to);
    if (renamed.IsOk())
        return {};
    return Failure(Outcome::Failed,
        renamed.status == StepStatus::Failed
            ? renamed.failure.reason
            : Formatted(Translated("Could not rename %1$s to %2$s."),
                {files_.Describe(from), files_.Describe(to)}));
}

TransportResult RemotePublisher::Replace(
    const std::string& folder, const std::optional<RemoteEntry>& old, std::string_view bytes)
{
    const UploadName temporary;
    const std::string path = JoinPath(folder, temporary.name());
    const std::string target = JoinPath(folder, old ? old->name : std::string(kPublishFileName));
    TransportResult result = UploadChecked(path, bytes, old ? old->mode : std::nullopt);
    if (result.IsDone() && control_.stop.stop_requested())
        result
            = Failure(Outcome::Cancelled, Translated("Cancelled; the server keeps its old file."));
    if (result.IsDone())
        result = Renamed(path, target, old.has_value());
    if (!result.IsDone())
        files_.Remove(path);
    else if (control_.progress)
        control_.progress(TransferStage::Uploading, bytes.size(), bytes.size());
    return result;
}

TransportResult RemotePublisher::MayReplace(
    const std::string& folder, const std::optional<RemoteEntry>& old)
{
    const std::string path = JoinPath(folder, old ? old->name : std::string(kPublishFileName));
    std::optional<std::string> found;
    if (old) {
        found.emplace();
        if (Step read = files_.Download(path, kMaximumProfileBytes, *found); !read.IsOk())
            return read.status == StepStatus::Failed
                ? FailureOf(read)
                : Failure(Outcome::Failed,
                    Formatted(Translated("%s could not be read."), {files_.Describe(path)}));
    }
    return control_.mayReplace(found) ? TransportResult{} : KeptThere(files_.Describe(path));
}

TransportResult RemotePublisher::Publish(std::string_view bytes, Backup backup)
{
    TransportResult result = Open();
    std::string folder;
    std::vector<RemoteEntry> entries;
    if (result.IsDone())
        result = FindSettingsFolder(Creation::Create, folder);
    if (result.IsDone()) {
        if (Step listed = files_.List(folder, entries); !listed.IsOk())
            result = FailureOf(listed);
    }
    const std::optional<RemoteEntry> old
        = result.IsDone() ? FindEntry(entries, kPublishFileName) : std::nullopt;
    if (old && old->kind != EntryKind::File)
        result = Failure(Outcome::Refused,
            Formatted(Translated(TextsOf(old->kind).notAFile),
                {files_.Describe(JoinPath(folder, old->name))}));
    if (result.IsDone() && control_.mayReplace)
        result = MayReplace(folder, old);
    std::string kept;
    if (result.IsDone()) {
        RemoveLeftovers(folder, entries);
        if (old && backup == Backup::KeepReplacedFile)
            result = KeepCopy(folder, *old, entries, kept);
    }
    if (result.IsDone() && control_.stop.stop_requested())
        result = Failure(Outcome::Cancelled, Translated("Cancelled before anything was written."));
    if (result.IsDone())
        result = Replace(folder, old, bytes);
    if (!kept.empty())
        result.keptCopy = files_.Describe(JoinPath(folder, kept));
    files_.Disconnect();
    return result;
}

FetchResult RemotePublisher::Fetch(std::size_t maxBytes)
{
    FetchResult fetched{Open(), {}};
    std::string folder;
    std::vector<RemoteEntry> entries;
    if (fetched.result.IsDone())
        fetched.result = FindSettingsFolder(Creation::LookOnly, folder);
    if (fetched.result.IsDone()) {
        if (Step listed = files_.List(folder, entries); !listed.IsOk())
            fetched.result = FailureOf(listed);
    }
    const std::optional<RemoteEntry> file
        = fetched.result.IsDone() ? FindEntry(entries, kPublishFileName) : std::nullopt;
    const std::string path = JoinPath(folder, file ? file->name : std::string(kPublishFileName));
    if (fetched.result.IsDone() && !file)
        fetched.result = Failure(Outcome::FileMissing,
            Formatted(Translated("%s does not exist."), {files_.Describe(path)}));
    else if (fetched.result.IsDone() && file->size.value_or(0) > maxBytes)
        fetched.result = Failure(Outcome::TooLarge,
            Formatted(
                TranslatedCount("%1$s is larger than a profile may be (%2$s byte, more than %3$s).",
                    "%1$s is larger than a profile may be (%2$s bytes, more than %3$s).",
                    *file->size),
                {files_.Describe(path), std::to_string(*file->size), std::to_string(maxBytes)}));
    else if (fetched.result.IsDone()) {
        if (Step read = files_.Download(path, maxBytes, fetched.bytes); !read.IsOk())
            fetched.result = read.status == StepStatus::Failed
                ? FailureOf(read)
                : Failure(Outcome::FileMissing,
                    Formatted(Translated("%s could not be read."), {files_.Describe(path)}));
    }
    files_.Disconnect();
    return fetched;
}

TransportResult RemotePublisher::Check()
{
    TransportResult result = Open();
    // Below an install folder, the first publish creates the settings folder.
    if (result.IsDone())
        result = FindGivenFolder();
    files_.Disconnect();
    return result;
}
