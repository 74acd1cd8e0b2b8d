#pragma once

// Reads, writes, lists, creates and exports the .wst profiles of one working
// folder. The store owns the one XML document: every load replaces its content
// and every save edits that content in place and writes it whole, so whatever
// the program does not model passes through unchanged. It reports by result
// (a profile or none with lastError, 1 or 0, a count or -1, an errno value)
// and never by an exception; it shows no messages.

#include "profile/Profile.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XmlDocument;

class ProfileStore {
public:
    // Profile files are addressed relative to workingFolder; "." follows the
    // process's current folder.
    explicit ProfileStore(std::filesystem::path workingFolder = ".");
    virtual ~ProfileStore();
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    // Reads NAME.wst; none when the reader refuses it (reason in lastError()).
    std::optional<Profile> LoadProfile(const std::string& name);
    // Writes the profile into the held document and saves it as NAME.wst,
    // atomically. 1 when written, 0 when not (the file on disk is untouched).
    int SaveProfile(const Profile& profile);
    // Restores the built-in document and rewrites Default.wst from it; none when
    // Default.wst cannot be written (the caller treats that as fatal).
    std::optional<Profile> LoadDefaultProfile();
    // Fills names with the profiles of the folder (Default.wst left out), sorted
    // ignoring case. The count, 0 when none, -1 when the folder cannot be read.
    int ListProfiles(std::vector<std::string>& names) const;
    // Copies Default.wst to NAME.wst without ever replacing a file. False for an
    // existing target, a missing Default.wst or an unsafe name.
    bool CreateProfileFile(const std::string& name) const;
    // Saves the profile, then copies its file to destination (atomically)
    // unless destination is that very file on disk. 0 or the errno of the
    // failure; a failed save copies nothing and gives its own errno, EIO when
    // the held document lacks an element the profile needs.
    int ExportProfile(const Profile& profile, const std::filesystem::path& destination);

    const std::string& lastError() const { return lastError_; }
    const std::filesystem::path& workingFolder() const { return workingFolder_; }
    std::filesystem::path ProfilePath(const std::string& name) const;

private:
    // SaveProfile's work: 0, the errno of a failed write, or EIO when the
    // document lacks an element the profile needs.
    int SaveProfileFile(const Profile& profile);

    std::filesystem::path workingFolder_;
    std::unique_ptr<XmlDocument> document_;
    std::string lastError_;
};

// A name that can become a file in the working folder and nowhere else: not
// empty, not "." or "..", no "/", "\\" or control character.
bool IsSafeProfileName(const std::string& name);
