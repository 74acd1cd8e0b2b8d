#pragma once

// Where a server's profile is published: a local folder or a URL of an SFTP,
// FTPS (explicit TLS) or plain FTP server. The path names either the server's
// install folder, below which Mods/bfvietnam/save/GameModeSettings is found
// or created, or that settings folder itself: it is the settings folder when
// its last four components are those, in any letter case.
//
// How a path is written:
//   /srv/bfv, sftp://host/srv/bfv              absolute
//   ~/bfv, sftp://host/~/bfv                   relative to the (remote) home
//   sftp://user@host:2222/~/bfv                user and port; without them,
//                                              ~/.ssh/config or ~/.netrc decide
// Percent-escapes (%20) in the user and the path are decoded.

#include <optional>
#include <string>
#include <string_view>

enum class Scheme { LocalFolder, Sftp, Ftps, Ftp };
enum class PathBase { Absolute, Home };
enum class FolderRole { InstallFolder, SettingsFolder };

struct Location {
    Scheme scheme = Scheme::LocalFolder;
    std::string user;  // empty: the SSH configuration's or ~/.netrc's
    std::string host;  // a name, an ~/.ssh/config alias or an address (IPv6 without brackets)
    std::optional<int> port;
    PathBase base = PathBase::Absolute;
    // Decoded, without a trailing slash; with PathBase::Home relative to the
    // home folder, and empty for the home folder itself.
    std::string path;
    // FTPS only: the server's public key pinned as "sha256//BASE64" (several
    // separated by ';'); with a pin, a certificate no authority signed is
    // accepted when its key is pinned, and no other.
    std::string pin;
    std::string text;  // as given, for messages

    FolderRole Role() const;
    bool IsRemote() const { return scheme != Scheme::LocalFolder; }
};

struct LocationParse {
    std::optional<Location> location;
    std::string error;  // when there is none: what is wrong, in a sentence
};

LocationParse ParseLocation(std::string_view text);

// "" when pin is a usable pin for Location::pin, else what is wrong with it.
std::string CheckPin(std::string_view pin);
