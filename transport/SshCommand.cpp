#include "transport/SshCommand.h"

#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/TransportResult.h"

#include <algorithm>
#include <array>

namespace {

// ssh checks every interval and gives up after this many unanswered probes.
constexpr int kAliveProbes = 3;
constexpr std::string_view kFingerprintPrefix = "SHA256:";

struct SshMessage {
    std::string_view text;  // a part of one of ssh's own lines
    Outcome outcome;
    const char* meaning;
};

// First match wins: a changed key also says "Host key verification failed".
constexpr std::array kSshMessages{
    SshMessage{"REMOTE HOST IDENTIFICATION HAS CHANGED", Outcome::HostKeyChanged,
        TranslatedLater(
            "The server's host key has changed since it was last trusted: this may be an impostor, "
            "so nothing was sent. Ask the server's administrator whether the key was replaced")},
    SshMessage{"host key is known for", Outcome::HostKeyUnknown,
        TranslatedLater(
            "The server's host key is not known yet: compare its fingerprint with the one the "
            "server's administrator gives, then trust it")},
    SshMessage{"Host key verification failed", Outcome::HostKeyUnknown,
        TranslatedLater(
            "The host key of the server (or of a jump host on the way) is not known yet")},
    SshMessage{"Permission denied", Outcome::LoginRefused,
        TranslatedLater("The server refused the login: no key, passphrase or password it accepts")},
    SshMessage{"Too many authentication failures", Outcome::LoginRefused,
        TranslatedLater("The server refused the login after too many keys were offered")},
    SshMessage{
        "timed out", Outcome::TimedOut, TranslatedLater("The server did not answer in time")},
    SshMessage{"Could not resolve hostname", Outcome::Unreachable,
        TranslatedLater("No server of that name is known")},
    SshMessage{"Connection refused", Outcome::Unreachable,
        TranslatedLater("The server refused the connection: no SSH server listens on that port")},
    SshMessage{"No route to host", Outcome::Unreachable,
        TranslatedLater(TranslatedLater("The server cannot be reached"))},
    SshMessage{"Network is unreachable", Outcome::Unreachable, "The server cannot be reached"},
    SshMessage{"subsystem request failed", Outcome::Failed,
        TranslatedLater("The server offers no SFTP (its SSH server has no sftp subsystem)")},
    SshMessage{"closed by", Outcome::Failed, TranslatedLater("The server closed the connection")},
    SshMessage{
        "Connection reset", Outcome::Failed, TranslatedLater("The connection was broken off")},
};

// ssh's last line that says something, for the detail.
std::string LastLine(std::string_view errors)
{
    std::string line;
    std::size_t start = 0;
    while (start < errors.size()) {
        const std::size_t end = std::min(errors.find('\n', start), errors.size());
        std::string_view candidate = errors.substr(start, end - start);
        while (!candidate.empty() && (candidate.back() == '\r' || candidate.back() == ' '))
            candidate.remove_suffix(1);
        if (!candidate.empty())
            line = std::string(candidate);
        start = end + 1;
    }
    return line;
}

// The first "SHA256:..." ssh printed: in its warning of a changed key, the new key's.
std::string ShownFingerprint(std::string_view errors)
{
    const std::size_t start = errors.find(kFingerprintPrefix);
    if (start == std::string_view::npos)
        return {};
    const std::size_t end = errors.find_first_not_of(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=",
        start + kFingerprintPrefix.size());
    std::string_view fingerprint = errors.substr(start, end - start);
    return std::string(fingerprint);
}

}  // namespace

std::vector<std::string> SshOptions(const Location& location, const TransportOptions& options,
    std::span<const std::string_view> hostKeyOptions)
{
    std::vector<std::string> arguments{options.sshProgram};
    if (!options.sshConfigFile.empty())
        arguments.insert(arguments.end(), {"-F", options.sshConfigFile.string()});
    if (location.port)
        arguments.insert(arguments.end(), {"-p", std::to_string(*location.port)});
    if (!location.user.empty())
        arguments.insert(arguments.end(), {"-l", location.user});
    // ssh keeps the first value given for an option, and reads the command line first.
    for (const std::string_view option : hostKeyOptions)
        arguments.insert(arguments.end(), {"-o", std::string(option)});
    const int alive = std::max(1, WholeSeconds(options.stallTimeout) / kAliveProbes);
    for (const std::string& option : {
             "ConnectTimeout=" + std::to_string(WholeSeconds(options.connectTimeout)),
             "ServerAliveInterval=" + std::to_string(alive),
             "ServerAliveCountMax=" + std::to_string(kAliveProbes),
             std::string("ForwardAgent=no"),
             std::string("ForwardX11=no"),
             std::string("ClearAllForwardings=yes"),
             std::string("PermitLocalCommand=no"),
             std::string("RequestTTY=no"),
         })
        arguments.insert(arguments.end(), {"-o", option});
    return arguments;
}

std::vector<std::string> SftpCommand(const Location& location, const TransportOptions& options,
    std::span<const std::string_view> hostKeyOptions)
{
    std::vector<std::string> arguments = SshOptions(location, options, hostKeyOptions);
    arguments.insert(arguments.end(), {"-s", "--", location.host, "sftp"});
    return arguments;
}

std::vector<std::string> EffectiveConfigurationCommand(
    const Location& location, const TransportOptions& options)
{
    std::vector<std::string> arguments = SshOptions(location, options);
    arguments.insert(arguments.end(), {"-G", "--", location.host});
    return arguments;
}

TransportResult DescribeSshFailure(std::string_view errors, const Location& location)
{
    const std::string detail = LastLine(errors);
    for (const SshMessage& message : kSshMessages) {
        if (errors.find(message.text) == std::string_view::npos)
            continue;
        // TRANSLATORS: why, the server's name, and ssh's own last words.
        TransportResult result = Failure(message.outcome,
            Formatted(Translated("%1$s (%2$s; ssh said: %3$s)."),
                {Translated(message.meaning), location.host, detail}));
        if (message.outcome == Outcome::HostKeyChanged)
            result.hostKey = HostKey{location.host, ShownFingerprint(errors), {}, {}, {}};
        return result;
    }
    if (detail.empty())
        return Failure(Outcome::Failed,
            Formatted(
                Translated("The connection to %s ended before SFTP started."), {location.host}));
    return Failure(Outcome::Failed,
        Formatted(Translated("ssh could not reach SFTP on %1$s: %2$s."), {location.host, detail}));
}
