#pragma once

// What a front-end hands a transfer: a way to stop it, a place to hear how far
// it got, and a way to ask the user for a password or passphrase. Every
// function here may be called on a transport's worker thread.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

enum class TransferStage { Connecting, Uploading, Downloading };
enum class Backup { None, KeepReplacedFile };
// Whether one step of a transfer ends as soon as a stop is requested.
enum class Interruption { OnStop, Never };

struct CredentialQuestion {
    std::string destination;  // the location as the user wrote it
    std::string prompt;       // the program's own question, e.g. "Enter passphrase for key ..."
};

// The answer, kept in memory only; none when the user declines.
using CredentialSource = std::function<std::optional<std::string>(const CredentialQuestion&)>;
using ProgressFunction
    = std::function<void(TransferStage stage, std::uint64_t done, std::uint64_t total)>;

// Whether a publish may replace the file it found there (none when there is
// none); asked once, before anything is written.
using ReplaceCheck = std::function<bool(const std::optional<std::string>& found)>;

struct TransferControl {
    std::stop_token stop;          // a stop leaves the old file or the new one, never a part
    ProgressFunction progress;     // may be empty
    CredentialSource credentials;  // may be empty: nothing is asked, a login needing it fails
    ReplaceCheck mayReplace;       // may be empty: whatever is there is replaced
};

struct TransportOptions {
    // Connecting gives up after connectTimeout; a transfer that moves nothing
    // for stallTimeout is given up as well.
    std::chrono::milliseconds connectTimeout{std::chrono::seconds(10)};
    std::chrono::milliseconds stallTimeout{std::chrono::seconds(30)};
    std::string sshProgram = "ssh";
    std::string sshKeygenProgram = "ssh-keygen";
    // Empty: ssh reads its own (~/.ssh/config, then /etc/ssh/ssh_config).
    std::filesystem::path sshConfigFile;
    // Empty: quavel-askpass beside the running program, else where it is installed.
    std::filesystem::path askpassProgram;
    // Empty: ~/.netrc, as curl and ftp read it.
    std::filesystem::path netrcFile;
    // NAME=value entries added to ssh's environment (SSH_AUTH_SOCK...).
    std::vector<std::string> environment;
};

// The stall time-out as ssh takes it: whole seconds, at least one.
int WholeSeconds(std::chrono::milliseconds duration);
