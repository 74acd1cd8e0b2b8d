#include "cli/ListCommand.h"

#include "cli/JsonWriter.h"
#include "profile/ProfileStore.h"

#include <vector>

namespace {

void WriteNames(
    const std::vector<std::string>& names, const Invocation& invocation, Console& console)
{
    if (!invocation.Has("--json")) {
        for (const std::string& name : names)
            console.out << name << '\n';
        return;
    }
    JsonWriter json(console.out);
    json.BeginArray();
    for (const std::string& name : names)
        json.String(name);
    json.EndArray();
}

}  // namespace

ExitStatus RunList(const Invocation& invocation, Console& console)
{
    const ProfileStore store;
    std::vector<std::string> files;
    const int count = store.ListProfiles(files);
    std::vector<std::string> names{kDefaultProfileName};
    // Below zero the names are a placeholder, not profiles.
    for (int index = 0; index < count; ++index)
        names.push_back(files[static_cast<std::size_t>(index)]);
    WriteNames(names, invocation, console);
    if (count < 0) {
        console.err << "Could not read the profiles of the current folder.\n";
        return ExitStatus::Failed;
    }
    return ExitStatus::Success;
}
