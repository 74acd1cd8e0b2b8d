#include "cli/ServerTargets.h"

#include "installs/SettingsFile.h"
#include "session/AtOnce.h"
#include "session/PublishTargets.h"
#include "session/ServerSettings.h"
#include "session/TransportEnvironment.h"

#include <algorithm>
#include <array>

namespace {

struct CheckWordEntry {
    Outcome outcome;
    std::string_view word;
};

// Every outcome a check can come to that a script may act on; the rest fail.
constexpr std::array<CheckWordEntry, 8> kCheckWords{{
    {Outcome::Done, "reachable"},
    {Outcome::Unreachable, "unreachable"},
    {Outcome::TimedOut, "timed-out"},
    {Outcome::HostKeyUnknown, "host-key-unknown"},
    {Outcome::HostKeyChanged, "host-key-changed"},
    {Outcome::CertificateUntrusted, "certificate-untrusted"},
    {Outcome::LoginRefused, "login-refused"},
    {Outcome::FolderMissing, "folder-missing"},
}};

}  // namespace

std::vector<ServerTarget> LookAtServers(ServerCheck check)
{
    std::vector<ServerTarget> targets;
    std::vector<PublishDestination> destinations;
    for (ServerEntry& server : ReadServers(SettingsFile::PathFor(UserEnvironment::FromProcess()))) {
        ServerDestination found = DestinationOf(server);
        destinations.push_back(found.destination.value_or(PublishDestination{}));
        targets.push_back({std::move(server), std::move(found.problem), {}, std::nullopt});
    }
    const TransportOptions options = TransportOptionsOfProcess();
    if (check == ServerCheck::None) {
        const std::vector<DestinationHolding> holdings = Holdings(destinations, options);
        for (std::size_t index = 0; index < targets.size(); ++index)
            targets[index].holding = holdings[index];
        return targets;
    }
    RunAtOnce(targets.size(), [&](std::size_t index) {
        ServerTarget& target = targets[index];
        if (!target.problem.empty()) {
            target.check = Failure(Outcome::Failed, target.problem);
            return;
        }
        CheckedHolding found = HoldingAndCheck(destinations[index], options);
        target.holding = std::move(found.holding);
        target.check = std::move(found.check);
    });
    return targets;
}

bool AllReachable(const std::vector<ServerTarget>& servers)
{
    return std::ranges::all_of(servers,
        [](const ServerTarget& target) { return !target.check || target.check->IsDone(); });
}

std::string_view CheckWord(const TransportResult& result)
{
    const auto found = std::ranges::find(kCheckWords, result.outcome, &CheckWordEntry::outcome);
    return found == kCheckWords.end() ? "failed" : found->word;
}
