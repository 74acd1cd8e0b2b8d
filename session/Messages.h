#pragma once

// Every text the window and quavel-cli show for the same situation, defined
// once so that a message reads the same whichever front-end reports it.

#include "text/TranslatedText.h"
#include "transport/ParallelPublish.h"
#include "transport/TransportResult.h"

#include <string>
#include <string_view>

namespace Messages {

inline constexpr TranslatedText kTeamsMustDiffer = TranslatedText("The teams must be different!");
inline constexpr TranslatedText kCannotSaveOverDefault
    = TranslatedText("Cannot save over default profile!");
inline constexpr TranslatedText kCouldNotCreateProfile
    = TranslatedText("Could not create profile!");
// The window asks again after a refused name; quavel-cli just fails.
inline constexpr TranslatedText kTryAgain = TranslatedText(" Try again?");
inline constexpr TranslatedText kNewProfileCaption = TranslatedText("New Profile");
inline constexpr TranslatedText kNewProfilePrompt
    = TranslatedText("What would you like your profile to be called?");
inline constexpr TranslatedText kSaveChanges
    = TranslatedText("Your profile has been modified. Save changes?");

inline constexpr TranslatedText kErrorLoadingTitle = TranslatedText("Error Loading!");
inline constexpr TranslatedText kUnableToLoad = TranslatedText("Unable to load WST file!");
inline constexpr TranslatedText kErrorSavingTitle = TranslatedText("Error Saving!");
inline constexpr TranslatedText kUnableToSave = TranslatedText(
    "Unable to save WST file! Do you have write permissions to the QUAVEL folder?");
inline constexpr TranslatedText kCriticalErrorTitle = TranslatedText("Critical Error");
inline constexpr TranslatedText kCriticalError = TranslatedText(
    "QUAVEL has enountered a critical error and cannot continue. Verify QUAVEL has "
    "permission to create files in its working directory and try again.");
inline constexpr TranslatedText kNoWriteAccess = TranslatedText(
    "You do not have write access to the QUAVEL folder. This is required for QUAVEL to work!");

// A comparison of two profiles that hold the same settings.
inline constexpr TranslatedText kNoDifferences = TranslatedText("No differences");

inline constexpr TranslatedText kOutOfMemory
    = TranslatedText("Not enough memory: a file or a request too large for this machine.");

// Why a profile's file was refused: the reason the store gave, and the XML
// parser's reason with line and column on a line of its own.
std::string LoadFailure(std::string_view reason, std::string_view parserReason);
// The window's message for it; a missing file says that there is no such profile.
std::string UnableToLoad(
    std::string_view name, std::string_view reason, int error, std::string_view parserReason);
// A failed save of a profile's own file: the window's text whole, then the
// reason on a line of its own: what the store found wrong with the document,
// else the errno named (EACCES, ENOSPC, EIO...). Never an empty reason.
std::string UnableToSave(int error, std::string_view documentProblem);
// Why a new profile's file was not made, for a terminal, which tells more
// than the window's question: the name in use, not a name, or the errno.
std::string NotCreatedBecause(std::string_view name, int error);
std::string NotAProfileName(std::string_view name);
// Asked before a save would replace the edits of another program.
std::string ChangedByAnotherProgram(std::string_view fileName);
std::string CouldNotLockFolder(int error);
// A file that an interrupted save had left half-written has its old bytes again.
std::string RestoredFromCopy(std::string_view file);

// The reason a publish target's button gives under +bvrm (quavel-cli: --cwd-only).
inline constexpr TranslatedText kWorkingFolderOnly
    = TranslatedText("publishing only into the working folder");

std::string CouldNotCreateDirectory(std::string_view folder);
// "CustomCombat.wst in the server's folder was changed since it was last
// published from here." The window asks whether to replace it.
std::string ChangedSincePublished(std::string_view place);
inline constexpr TranslatedText kReplaceIt = TranslatedText(" Replace it?");
std::string ErrorPublishingTo(std::string_view path, int error);
// The same for a terminal: the reason in words on a line of its own.
std::string PublishingFailed(std::string_view path, int error);
std::string BackupFailed(std::string_view path, int error);
// The same for any destination: a local folder's errno as above, else the
// transport's reason in words.
std::string ErrorPublishingTo(std::string_view path, const TransportResult& result);
std::string PublishingFailed(std::string_view path, const TransportResult& result);
// A step of one destination of a publish, as a progress row shows it:
// "connecting", "uploading 40%", "done", "failed: reason", "cancelled".
std::string DestinationStateText(const DestinationUpdate& update);
// An SSH host whose key is unknown: its fingerprint and how to accept it.
std::string HostKeyUnknown(const HostKey& key);
// The window's question for it.
std::string TrustHostKeyQuestion(const HostKey& key);
// A known host that shows another key: never offered for trust.
std::string HostKeyChanged(std::string_view host, const TransportResult& result);
// What a check of a server found, in a few words (targets --check).
std::string CheckText(const TransportResult& result);
// Why a check failed, without those words: the host key's fingerprint and
// how to trust it, else the transport's reason; "" for a reachable server.
std::string CheckReason(const TransportResult& result);
inline constexpr std::string_view kAddServerCaption = "Add Remote Server";
inline constexpr std::string_view kImportCaption = "Import From Server";
// What an errno means, in words ("Permission denied"); never empty.
std::string Reason(int error);
std::string ErrorSavingAs(std::string_view path, int error);
std::string SavedAs(std::string_view path);
// reason: the SkippedFile's, such as "line 3 holds a NUL byte".
std::string SettingsNotReadable(std::string_view path, std::string_view reason);
std::string SettingsNotLocked(std::string_view path, int error);
std::string SettingsNotSaved(std::string_view path, int error);

}  // namespace Messages
