#include "cli/ListCommand.h"

#include "cli/JsonWriter.h"
#include "profile/ProfileStore.h"
#include "text/Translated.h"

#include <filesystem>
#include <system_error>
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
    std::vector<ProfileEntry> files;
    const int count = store.ListProfiles(files);
    std::vector<std::string> names{kDefaultProfileName};
    // Below zero the entries are only those read before the failure.
    for (const ProfileEntry& file : files) {
        if (count >= 0)
            names.push_back(file.name);
    }
    WriteNames(names, invocation, console);
    if (count < 0) {
        std::error_code error;
        std::filesystem::directory_iterator(".", error);
        console.Error(
            Translated("Cannot list the profiles of the current folder: ") + error.message());
        return ExitStatus::Failed;
    }
    return ExitStatus::Success;
}
