#include "cli/ServerCommands.h"

#include "cli/ServerOperand.h"
#include "cli/TargetOperand.h"
#include "cli/TerminalPassword.h"
#include "cli/TerminalSession.h"
#include "profile/ProfileStore.h"
#include "session/Messages.h"
#include "session/ServerImport.h"
#include "session/SessionDestination.h"
#include "session/TransportEnvironment.h"
#include "transport/HostKeys.h"

namespace {

// server, game, cwd, server:NAME, a URL or a folder; none after a message.
std::optional<PublishDestination> ImportSource(
    const std::string& text, const Invocation& invocation, Console& console)
{
    if (text.starts_with(kServerPrefix))
        return NamedServer(std::string_view(text).substr(kServerPrefix.size()), console);
    if (const PublishTargetEntry* target = FindPublishTarget(text)) {
        if (target->installs.empty())
            return WorkingFolderDestination();
        if (target->installs.size() == 1)
            return InstallDestination(target->installs.front(), invocation, console);
    }
    return GivenLocation(text, console);
}

}  // namespace

ExitStatus RunTrustHost(const Invocation& invocation, Console& console)
{
    const std::string& host = invocation.arguments.front();
    const LocationParse parse = ParseLocation("sftp://" + host + "/~");
    if (!parse.location) {
        console.Error(host + ": " + parse.error);
        return ExitStatus::UsageError;
    }
    // A check first: a key that changed is refused there and never replaced here.
    const TransportResult checked
        = OpenDestination(LocationDestination(*parse.location), TransportOptionsOfProcess())
              ->Check({{}, {}, AskOnTerminal, {}});
    if (checked.outcome == Outcome::HostKeyChanged) {
        console.Error(Messages::HostKeyChanged(host, checked));
        return ExitStatus::Failed;
    }
    if (checked.outcome != Outcome::HostKeyUnknown || !checked.hostKey) {
        if (checked.outcome == Outcome::Unreachable || checked.outcome == Outcome::TimedOut) {
            console.Error(checked.reason);
            return ExitStatus::Failed;
        }
        console.out << "The host key of " << host << " is known already.\n";
        return ExitStatus::Success;
    }
    const HostKey& key = *checked.hostKey;
    console.out << host << ": " << key.fingerprint << " (" << key.type << ")\n";
    if (const TransportResult trusted = TrustHostKey(key); !trusted.IsDone()) {
        console.Error(trusted.reason);
        return ExitStatus::Failed;
    }
    console.out << "Added to " << key.knownHostsFile << '\n';
    return ExitStatus::Success;
}

ExitStatus RunImport(const Invocation& invocation, Console& console)
{
    const std::optional<PublishDestination> source
        = ImportSource(invocation.arguments[0], invocation, console);
    if (!source)
        return ExitStatus::UsageError;
    const std::string& name = invocation.arguments[1];
    TerminalSession terminal(console);
    if (terminal.session.LockFolder() != 0)
        return ExitStatus::Failed;
    ProfileStore store;
    if (const std::optional<std::string> problem = ImportProfile(
            store, *source, name, TransportOptionsOfProcess(), {{}, {}, AskOnTerminal, {}})) {
        console.Error(*problem);
        return ExitStatus::Failed;
    }
    console.out << "Imported " << source->text << " as " << store.ProfilePath(name).string()
                << '\n';
    return ExitStatus::Success;
}
