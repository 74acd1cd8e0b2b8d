#pragma once

// The installs the session may publish to and the user's choices among them.
// The search is kept, so that a folder chosen or forgotten in the settings
// file takes effect at once: the settings file is changed, then the same
// discovery searches again (reading only the registries that changed). The
// window and quavel-cli both start here.

#include "installs/InstallDiscovery.h"
#include "installs/SettingsFile.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// What the process searches: its environment, the folders chosen in its
// settings file (none, and the reason, when that file cannot be read), and the
// prefix given on the command line.
InstallSearch SearchOfProcess(std::optional<std::filesystem::path> onlyPrefix);

// Loads the settings file, applies change and saves it when change returns
// true, holding the lock of the file's folder (see FolderLock) throughout, so
// that programs changing it at once take turns; the message telling why that
// failed, or none.
std::optional<std::string> ChangeSettingsFile(
    const std::filesystem::path& path, const std::function<bool(SettingsFile&)>& change);

// An install as a list of installs shows it: "C:\Games\BFV (Lutris: /home/me/bfv)",
// or its source and why it cannot be used.
std::string InstallEntryText(const FoundInstall& install);

class InstallChoices {
public:
    explicit InstallChoices(InstallSearch search);

    // Searches every prefix and chosen folder; creates no folder.
    const InstallsFound& Find();
    const InstallsFound& found() const { return found_; }
    std::filesystem::path SettingsPath() const;

    // Remembers folder as the product's install, then searches again. A prefix
    // given on the command line no longer restricts the search: the user's
    // latest choice wins. The message telling why it was not saved, or none.
    std::optional<std::string> Choose(Product product, const std::filesystem::path& folder);
    // Forgets the chosen prefix and folders, then searches again.
    std::optional<std::string> ForgetChosenFolders();

private:
    std::optional<std::string> ChangeAndFind(const std::function<bool(SettingsFile&)>& change);

    InstallSearch search_;
    InstallDiscovery discovery_;
    InstallsFound found_;
};
