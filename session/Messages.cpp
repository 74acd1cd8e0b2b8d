#include "session/Messages.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <cerrno>
#include <system_error>

namespace Messages {

// strerror's text, without its buffer shared between threads, in the
// language of the C library's own catalogue.
std::string Reason(int error)
{
    if (error == EWOULDBLOCK)
        return Translated("another program holds the folder's lock");
    if (error == EBUSY)
        return Translated("another program is saving this file");
    return std::generic_category().message(error);
}

std::string LoadFailure(std::string_view reason, std::string_view parserReason)
{
    std::string text(reason);
    if (!parserReason.empty())
        text += '\n' + std::string(parserReason);
    return text;
}

std::string UnableToLoad(
    std::string_view name, std::string_view reason, int error, std::string_view parserReason)
{
    const std::string text = std::string(kUnableToLoad) + '\n';
    if (error == ENOENT)
        return text + Formatted(Translated("There is no profile \"%s\" in this folder."), {name});
    return text + LoadFailure(reason, parserReason);
}

std::string UnableToSave(int error, std::string_view documentProblem)
{
    const std::string reason
        = documentProblem.empty() ? Reason(error) : std::string(documentProblem);
    return std::string(kUnableToSave) + '\n' + reason;
}

std::string NotAProfileName(std::string_view name)
{
    return Formatted(Translated("\"%s\" is not a profile name: a name is not empty, not \".\" or "
                                "\"..\", and holds no slash, backslash or control character."),
        {name});
}

std::string NotCreatedBecause(std::string_view name, int error)
{
    if (error == EEXIST)
        return Formatted(Translated("a profile named %s already exists"), {name});
    if (error == EINVAL)
        return NotAProfileName(name);
    return Reason(error);
}

std::string ChangedByAnotherProgram(std::string_view fileName)
{
    return Formatted(Translated("%s has been changed by another program since it was opened. "
                                "Overwrite it with your edits?"),
        {fileName});
}

std::string RestoredFromCopy(std::string_view file)
{
    return Formatted(
        Translated("%s was restored from the copy kept before an interrupted save."), {file});
}

std::string CouldNotLockFolder(int error)
{
    return Translated("Could not lock the working folder: ") + Reason(error);
}

std::string CouldNotCreateDirectory(std::string_view folder)
{
    return Translated("Could not create directory:\n") + std::string(folder);
}

std::string ChangedSincePublished(std::string_view place)
{
    return Formatted(
        Translated("CustomCombat.wst in %s was changed since it was last published from here."),
        {place});
}

std::string ErrorPublishingTo(std::string_view path, int error)
{
    return Formatted(
        Translated("Error Publishing to:\n%s\nError: %s"), {path, std::to_string(error)});
}

std::string PublishingFailed(std::string_view path, int error)
{
    return Translated("Error Publishing to: ") + std::string(path) + '\n' + Reason(error);
}

std::string BackupFailed(std::string_view path, int error)
{
    return Translated("Could not keep a copy of ") + std::string(path) + '\n' + Reason(error);
}

std::string ErrorPublishingTo(std::string_view path, const TransportResult& result)
{
    if (result.systemError != 0)
        return ErrorPublishingTo(path, result.systemError);
    return Translated("Error Publishing to:") + ("\n" + std::string(path) + '\n') + result.reason;
}

std::string PublishingFailed(std::string_view path, const TransportResult& result)
{
    if (result.outcome == Outcome::BackupFailed)
        return BackupFailed(path, result.systemError);
    if (result.systemError != 0)
        return PublishingFailed(path, result.systemError);
    if (result.outcome == Outcome::HostKeyUnknown && result.hostKey)
        return HostKeyUnknown(*result.hostKey);
    if (result.outcome == Outcome::HostKeyChanged)
        return HostKeyChanged(path, result);
    return Translated("Error Publishing to: ") + std::string(path) + '\n' + result.reason;
}

std::string DestinationStateText(const DestinationUpdate& update)
{
    switch (update.state) {
    case DestinationState::Waiting:
        return Translated("waiting");
    case DestinationState::Connecting:
        return Translated("connecting");
    case DestinationState::Uploading:
        return update.total == 0 ? std::string(Translated("uploading"))
                                 : Translated("uploading")
                + (" " + std::to_string(update.done * 100 / update.total)) + '%';
    case DestinationState::Done:
        return Translated("done");
    case DestinationState::Failed:
        return Translated("failed: ") + update.reason;
    case DestinationState::Cancelled:
        return Translated("cancelled");
    }
    return {};
}

// TRANSLATORS: in the host key texts, %1$s is the server, %2$s the key's
// fingerprint ("SHA256:...") and %3$s its type ("ED25519").
std::string HostKeyUnknown(const HostKey& key)
{
    return Formatted(Translated("The host key of %1$s is unknown: %2$s (%3$s).\n"
                                "If that is the server's key, trust it with: quavel-cli trust-host "
                                "%1$s"),
        {key.host, key.fingerprint, key.type});
}

std::string TrustHostKeyQuestion(const HostKey& key)
{
    return Formatted(Translated("The host key of %1$s is unknown:\n\n%2$s (%3$s)\n\n"
                                "Trust it only if it is the server's key. Trust it?"),
        {key.host, key.fingerprint, key.type});
}

std::string HostKeyChanged(std::string_view host, const TransportResult& result)
{
    if (!result.hostKey)
        return Formatted(
            Translated("WARNING: the host key of %s has changed since it was trusted. Someone may "
                       "be listening in. Nothing was sent; if the server's key was changed on "
                       "purpose, remove its old key from known_hosts."),
            {host});
    return Formatted(
        Translated("WARNING: the host key of %1$s has changed since it was trusted (%2$s). Someone "
                   "may be listening in. Nothing was sent; if the server's key was changed on "
                   "purpose, remove its old key from known_hosts."),
        {host, result.hostKey->fingerprint});
}

std::string CheckReason(const TransportResult& result)
{
    if (result.outcome == Outcome::HostKeyUnknown && result.hostKey)
        return HostKeyUnknown(*result.hostKey);
    return result.reason;
}

std::string CheckText(const TransportResult& result)
{
    switch (result.outcome) {
    case Outcome::Done:
        return Translated("reachable");
    case Outcome::HostKeyUnknown:
        return Translated("host key unknown: ") + CheckReason(result);
    case Outcome::LoginRefused:
        return Translated("login refused: ") + CheckReason(result);
    case Outcome::FolderMissing:
        return Translated("folder missing: ") + CheckReason(result);
    default:
        return CheckReason(result);
    }
}

std::string ErrorSavingAs(std::string_view path, int error)
{
    return Formatted(Translated("Error Saving As:\n%s\nError: %s"), {path, std::to_string(error)});
}

std::string SavedAs(std::string_view path)
{
    return Translated("Saved As:\n") + std::string(path);
}

std::string SettingsNotReadable(std::string_view path, std::string_view reason)
{
    return Translated("Cannot read the settings file:\n") + std::string(path) + '\n'
        + std::string(reason);
}

std::string SettingsNotLocked(std::string_view path, int error)
{
    const std::string reason = error == EWOULDBLOCK ? Translated("another program holds its lock")
                                                    : std::generic_category().message(error);
    return Translated("Could not lock the settings file:\n") + std::string(path) + '\n' + reason;
}

std::string SettingsNotSaved(std::string_view path, int error)
{
    return Formatted(Translated("Error Saving the settings file:\n%s\nError: %s"),
        {path, std::to_string(error)});
}

}  // namespace Messages
