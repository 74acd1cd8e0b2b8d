#include "session/ServerSettings.h"

#include "session/InstallChoices.h"
#include "text/Translated.h"
#include "transport/Location.h"

#include <algorithm>

namespace {

std::string UnknownServer(std::string_view name)
{
    return Translated("No server is named \"") + std::string(name) + "\".";
}

// Changes the named server; false, after the message, when there is none.
std::optional<std::string> ChangeServer(const std::filesystem::path& settingsFile,
    std::string_view name, const std::function<bool(SettingsFile&, ServerEntry&)>& change)
{
    std::optional<std::string> unknown;
    std::optional<std::string> problem
        = ChangeSettingsFile(settingsFile, [&](SettingsFile& settings) {
              std::vector<ServerEntry> servers = ServerEntry::ReadAll(settings);
              const auto found = std::ranges::find(servers, name, &ServerEntry::name);
              if (found == servers.end()) {
                  unknown = UnknownServer(name);
                  return false;
              }
              return change(settings, *found);
          });
    return problem ? problem : unknown;
}

}  // namespace

std::vector<ServerEntry> ReadServers(const std::filesystem::path& settingsFile)
{
    const SettingsFileRead read = SettingsFile::Load(settingsFile);
    return read.settings ? ServerEntry::ReadAll(*read.settings) : std::vector<ServerEntry>();
}

std::string ServerProblem(const ServerEntry& server)
{
    if (std::string problem = ServerEntry::CheckName(server.name); !problem.empty())
        return problem;
    const LocationParse parse = ParseLocation(server.url);
    if (!parse.location)
        return parse.error;
    if (server.pin.empty())
        return {};
    if (parse.location->scheme != Scheme::Ftps)
        return Translated("Only an ftps:// server takes a pin.");
    return CheckPin(server.pin);
}

std::optional<std::string> AddServer(
    const std::filesystem::path& settingsFile, const ServerEntry& server)
{
    if (std::string problem = ServerProblem(server); !problem.empty())
        return problem;
    return ChangeSettingsFile(
        settingsFile, [&](SettingsFile& settings) { return server.WriteTo(settings); });
}

std::optional<std::string> RemoveServer(
    const std::filesystem::path& settingsFile, std::string_view name)
{
    return ChangeServer(settingsFile, name, [name](SettingsFile& settings, ServerEntry&) {
        return ServerEntry::RemoveFrom(settings, name);
    });
}

std::optional<std::string> ChooseServer(
    const std::filesystem::path& settingsFile, std::string_view name, ServerUse use)
{
    return ChangeServer(settingsFile, name, [use](SettingsFile& settings, ServerEntry& server) {
        server.use = use;
        return server.WriteTo(settings);
    });
}
