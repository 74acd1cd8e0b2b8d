#pragma once

// What a publish, fetch or check came to: a category that a front-end can act
// on (offer to trust a host key, ask again for a password) and a reason in
// words for the one line a person reads. No transport lets an exception out.

#include <optional>
#include <string>
#include <string_view>

enum class Outcome {
    Done,                  // for a check: reachable, logged in, the folder there or creatable
    Cancelled,             // the server keeps its old file
    Unreachable,           // no connection: unknown name, refused, no route
    TimedOut,              // no answer within the connect or the stall time-out
    HostKeyUnknown,        // SSH: the host's key is in no known_hosts file (see hostKey)
    HostKeyChanged,        // SSH: the host's key differs from the known one: never accepted
    CertificateUntrusted,  // FTPS: no authority signed it and no pin matches it
    LoginRefused,          // the user name, key, passphrase or password was not accepted
    FolderMissing,         // the install or settings folder is not there (and not creatable)
    FileMissing,           // fetch: no CustomCombat.wst, or no settings folder yet
    Refused,               // CustomCombat.wst is a folder or a link: nothing was changed
    BackupFailed,          // the replaced file could not be kept: nothing was written
    NotReplaced,           // publish: mayReplace kept the file there: nothing was written
    TooLarge,              // fetch: the file is larger than the size cap
    Failed,                // anything else; the reason says what
};

// An SSH host key that no known_hosts file holds, as the server showed it.
struct HostKey {
    std::string host;         // as the user wrote it (an alias stays an alias)
    std::string fingerprint;  // "SHA256:..." as ssh-keygen -l shows it
    std::string type;         // "ED25519", "RSA"...
    // The lines ssh itself wrote for the key (hashed when HashKnownHosts is
    // on), for TrustHostKey, and the known_hosts file they belong in.
    std::string knownHostsLines;
    std::string knownHostsFile;
};

struct TransportResult {
    Outcome outcome = Outcome::Done;
    std::string reason;   // what failed and why; empty when done
    std::string warning;  // one line even when done (plain FTP)
    // Publish with a backup, when there was a file: where the copy is, as a
    // person finds it (a path, or host:path on a server).
    std::string keptCopy;
    std::optional<HostKey> hostKey;  // HostKeyUnknown; HostKeyChanged with the new fingerprint
    // A local folder's failure: the errno, for the messages that give its number.
    int systemError = 0;

    bool IsDone() const { return outcome == Outcome::Done; }
};

struct FetchResult {
    TransportResult result;
    std::string bytes;
};

// The result of a failure, for the transports' own use.
TransportResult Failure(Outcome outcome, std::string reason);
TransportResult SystemFailure(Outcome outcome, std::string reason, int error);
// A publish that TransferControl::mayReplace stopped, the file found there named.
TransportResult KeptThere(std::string_view file);

// "Permission denied (error 13)": the system's words for an errno, the number as a detail.
std::string SystemErrorText(int error);
