#pragma once

// The named servers of the settings file, a section each:
//   [server "eu1"]
//   url = sftp://eu1/srv/bfv
//   publish = no          the "Server" target leaves it out (yes when not given)
//   pin = sha256//...     FTPS only: the key of a certificate no authority signed
// A name is letters, digits, '.', '-' and '_', so that "server:NAME" and the
// header need no quoting. The install of the server found on this machine
// is no section: it is always one more destination of "Server".

#include "installs/SettingsFile.h"

#include <string>
#include <string_view>
#include <vector>

enum class ServerUse { PublishedTo, LeftOut };

struct ServerEntry {
    std::string name;
    std::string url;  // as written; checked only where it is used
    ServerUse use = ServerUse::PublishedTo;
    std::string pin;

    // The sections of the servers, in the file's order; a section without a
    // url is left out.
    static std::vector<ServerEntry> ReadAll(const SettingsFile& settings);
    // "" when name may name a server, else why not.
    static std::string CheckName(std::string_view name);

    // Adds the server, or replaces the one of that name; false for a name or a
    // value the file cannot hold.
    bool WriteTo(SettingsFile& settings) const;
    // Removes the server's sections; false when there was none.
    static bool RemoveFrom(SettingsFile& settings, std::string_view name);
};
