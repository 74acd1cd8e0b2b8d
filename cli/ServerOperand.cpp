#include "cli/ServerOperand.h"

#include "installs/SettingsFile.h"
#include "session/ServerSettings.h"
#include "session/Suggestion.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>

namespace {

std::filesystem::path SettingsPath()
{
    return SettingsFile::PathFor(UserEnvironment::FromProcess());
}

std::optional<PublishDestination> Usable(const ServerEntry& server, Console& console)
{
    ServerDestination found = DestinationOf(server);
    if (!found.destination)
        console.Error(Formatted(
            Translated("The server \"%1$s\" cannot be used: %2$s"), {server.name, found.problem}));
    return std::move(found.destination);
}

}  // namespace

std::optional<PublishDestination> NamedServer(std::string_view name, Console& console)
{
    const std::vector<ServerEntry> servers = ReadServers(SettingsPath());
    const auto found = std::ranges::find(servers, name, &ServerEntry::name);
    if (found != servers.end())
        return Usable(*found, console);
    std::vector<std::string_view> names;
    for (const ServerEntry& server : servers)
        names.push_back(server.name);
    console.Error("No server is named \"" + std::string(name) + "\"." + DidYouMean(name, names)
        + " See quavel-cli targets.");
    return std::nullopt;
}

std::optional<PublishDestination> GivenLocation(std::string_view text, Console& console)
{
    const LocationParse parse = ParseLocation(text);
    if (!parse.location) {
        console.Error(std::string(text) + ": " + parse.error);
        return std::nullopt;
    }
    return LocationDestination(*parse.location);
}

std::vector<PublishDestination> ChosenServers()
{
    return ServersPublishedTo(ReadServers(SettingsPath()));
}
