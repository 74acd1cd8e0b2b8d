#pragma once

// Reads, writes, lists, creates and exports the .wst profiles of one working
// folder. The store owns the one XML document: every load replaces its content
// and every save edits that content in place and writes it whole, so whatever
// the program does not model passes through unchanged. It remembers which file
// the document was read from and what that file was then, so that a caller can
// ask before saving whether another program changed it since. It reports by
// result (a profile or none with lastError, 1 or 0, a count or -1, an errno
// value) and never by an exception; it shows no messages and takes no locks
// (see FolderLock).

#include "profile/FileStamp.h"
#include "profile/Profile.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class XmlDocument;

// One listed profile: its name, and the file behind it, whose extension may
// be in any case ("Upper.WST" lists as "Upper").
struct ProfileEntry {
    std::string name;
    std::filesystem::path fileName;

    friend bool operator==(const ProfileEntry&, const ProfileEntry&) = default;
};

class ProfileStore {
public:
    // Profile files are addressed relative to workingFolder; "." follows the
    // process's current folder.
    explicit ProfileStore(std::filesystem::path workingFolder = ".");
    virtual ~ProfileStore();
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    // Reads the profile's file (ProfilePath, or the entry's own file); none when
    // it cannot be read or the reader refuses it, with the reason in lastError.
    std::optional<Profile> LoadProfile(const std::string& name);
    std::optional<Profile> LoadProfile(const ProfileEntry& entry);
    // The same for a whole document given as text, read from no file of the
    // folder (a pipe, say); it is not saved anywhere.
    std::optional<Profile> ReadProfileText(const std::string& name, std::string_view bytes);
    // Writes the profile into the held document and saves it atomically to the
    // file it was loaded from (ProfilePath for another name). 1 when written, 0
    // when not (the file on disk is untouched).
    int SaveProfile(const Profile& profile);
    // The same, giving 0 or the errno of the failure: EACCES for a file this
    // user may not write, ENOSPC, EIO..., and with the reason in saveProblem:
    // EFBIG when the document would grow beyond what a load accepts, EBADMSG
    // when it lacks an element or attribute the profile needs.
    int SaveProfileFile(const Profile& profile);
    // Restores the built-in document and rewrites Default.wst from it; none when
    // Default.wst cannot be written (the caller treats that as fatal).
    std::optional<Profile> LoadDefaultProfile();
    // The same without the profile: 0 or the errno of writing Default.wst.
    int WriteDefaultFile();
    // Fills entries with the profiles of the folder, sorted ignoring case;
    // Default.wst, spelt exactly so, is left out (default.wst is a profile). The count, 0 when
    // none, -1 when the folder cannot be read (entries then hold what was read).
    int ListProfiles(std::vector<ProfileEntry>& entries) const;
    // The same as names; on failure, or when no file matched at all, the list
    // ends in a placeholder text that is not a profile.
    int ListProfiles(std::vector<std::string>& names) const;
    // Copies Default.wst to NAME.wst, created whole or not at all, never
    // replacing a file. 0 or the errno: EINVAL for an unsafe name, EEXIST,
    // ENOENT for a missing Default.wst, ENAMETOOLONG...
    int NewProfileFile(const std::string& name) const;
    bool CreateProfileFile(const std::string& name) const { return NewProfileFile(name) == 0; }
    // Saves the profile, then copies its file to destination (atomically)
    // unless destination is that very file on disk. 0 or the errno of the
    // failure; a failed save copies nothing and gives its own errno.
    int ExportProfile(const Profile& profile, const std::filesystem::path& destination);
    // Saves the profile as its own file and reads back the bytes written
    // there, which publishing copies; 0 or the errno.
    int SavedBytes(const Profile& profile, std::string& bytes);
    // Whether saving the profile would replace what the store has not seen:
    // its file differs from what was last loaded or saved (or is gone), or a
    // file of another name exists already.
    bool ChangedOnDisk(const Profile& profile) const;
    // The file a save of the profile would replace, as it is on disk now; none
    // when there is none or it cannot be read. Two looks that give the same
    // stamp saw the same file.
    std::optional<FileStamp> StampOnDisk(const Profile& profile) const;

    // Why the last load failed: "No gameMode tag found!" and the reader's other
    // messages, or what kept the file from being read (naming its size when too
    // large). lastErrorCode: the errno of a file that could not be read, 0 when
    // the content was refused. lastErrorDetail: the XML parser's reason with
    // line and column, "" when the document parsed. Set by failed loads.
    const std::string& lastError() const { return lastError_; }
    int lastErrorCode() const { return lastErrorCode_; }
    const std::string& lastErrorDetail() const { return lastErrorDetail_; }
    // Why the last save refused the document itself, in words; "" after a
    // save that succeeded or failed for the file system's reasons.
    const std::string& saveProblem() const { return saveProblem_; }
    const std::filesystem::path& workingFolder() const { return workingFolder_; }
    // NAME.wst in the working folder, or an existing file of the name whose
    // extension has another case.
    std::filesystem::path ProfilePath(const std::string& name) const;

private:
    // The file the held document came from or went to last.
    struct HeldFile {
        std::string name;
        std::filesystem::path path;
        std::optional<FileStamp> stamp;  // none when it could not be read
    };
    enum class Listing { Listed, NoFileMatched, FolderUnreadable, ReadingFailed };

    std::optional<Profile> LoadFile(const std::string& name, const std::filesystem::path& path);
    // Parses the bytes into the held document and reads the profile from it.
    std::optional<Profile> ReadDocument(const std::string& name, std::string_view bytes);
    std::filesystem::path TargetOf(const Profile& profile) const;
    int SaveDocument(const std::string& name, const std::filesystem::path& path);
    // The held document, the built-in one parsed first if it was put off.
    XmlDocument& HeldDocument();
    Listing ListProfileFiles(std::vector<ProfileEntry>& entries) const;

    std::filesystem::path workingFolder_;
    std::unique_ptr<XmlDocument> document_;
    // The held document is the built-in one, not parsed yet: a start whose
    // Default.wst holds it already needs the document only to save from it.
    bool builtInUnparsed_ = false;
    HeldFile held_;
    std::string lastError_;
    int lastErrorCode_ = 0;
    std::string lastErrorDetail_;
    std::string saveProblem_;
};

// A name that can become a file in the working folder and nowhere else: not
// empty, not "." or "..", no "/", "\\" or control character.
bool IsSafeProfileName(const std::string& name);
