#include "session/ComparedProfile.h"

#include "profile/RegularFile.h"
#include "session/SessionDestination.h"
#include "session/TransportEnvironment.h"

#include "installs/InstallFinder.h"
#include "profile/AtomicFile.h"
#include "profile/ProfileStore.h"
#include "session/Messages.h"
#include "session/PublishTargets.h"
#include "text/Formatted.h"

#include <cerrno>
#include <system_error>

std::optional<Profile> ReadNamedProfile(const std::string& name, std::string& problem)
{
    if (name == kDefaultProfileName)
        return BuiltInDefaultProfile();
    ProfileStore store;
    std::optional<Profile> profile = store.LoadProfile(name);
    if (!profile)
        problem = Messages::UnableToLoad(
            name, store.lastError(), store.lastErrorCode(), store.lastErrorDetail());
    return profile;
}

std::optional<Profile> ReadPublishedProfile(
    const PublishDestination& destination, std::string& problem, const TransferControl& control)
{
    std::string bytes;
    if (destination.remote) {
        FetchResult fetched = OpenDestination(destination, TransportOptionsOfProcess())
                                  ->Fetch(kMaximumProfileBytes, control);
        if (!fetched.result.IsDone()) {
            problem = destination.text + ": " + fetched.result.reason;
            return std::nullopt;
        }
        bytes = std::move(fetched.bytes);
    }
    const int error = destination.remote ? 0
        : destination.path.empty()       ? ENOENT
                                         : ReadFileBytes(destination.path, bytes);
    if (error != 0) {
        problem = error == ENOENT
            ? Formatted(Translated("There is no %s in %s: %s"),
                {kPublishFileName, destination.place, destination.text})
            : destination.text + ": " + std::generic_category().message(error);
        return std::nullopt;
    }
    ProfileStore store;
    std::optional<Profile> profile = store.ReadProfileText(std::string(kPublishFileName), bytes);
    if (!profile)
        problem = destination.text + ": "
            + Messages::LoadFailure(store.lastError(), store.lastErrorDetail());
    return profile;
}
