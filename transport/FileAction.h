#pragma once

// What the transports do to a file or folder, for the sentences that say it
// failed. Each action has whole sentences of its own, so that a translation
// never joins a verb to a sentence taken apart.

#include <string>
#include <string_view>

enum class FileAction {
    LogIn,
    LookAt,
    List,
    Open,
    Read,
    Write,
    CreateFolder,
    SetMode,         // FTP's SITE CHMOD
    SetPermissions,  // SFTP's SETSTAT
    Rename,
    Remove,
    KeepCopy,
};

// "Could not write host:/srv/bfv/CustomCombat.wst: permission denied", in the
// user's language, without a closing full stop: the reason may end in its own.
std::string CouldNot(FileAction action, std::string_view place, std::string_view reason);
// An SFTP server's answer that is no answer to the request. The actions of
// FTP alone (LogIn, SetMode) have none.
std::string UnexpectedAnswer(FileAction action, std::string_view host);
