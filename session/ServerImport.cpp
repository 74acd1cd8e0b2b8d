#include "session/ServerImport.h"

#include "profile/AtomicFile.h"
#include "profile/ProfileStore.h"
#include "profile/RegularFile.h"
#include "session/Messages.h"
#include "session/SessionDestination.h"
#include "text/Translated.h"

namespace {

// As New says it, so that the same failure reads the same.
std::string NotCreated(const std::string& name, int error)
{
    return std::string(Messages::kCouldNotCreateProfile) + '\n'
        + Messages::NotCreatedBecause(name, error);
}

}  // namespace

std::optional<std::string> ImportProfile(ProfileStore& store, const PublishDestination& source,
    const std::string& name, const TransportOptions& options, const TransferControl& control)
{
    if (name == kDefaultProfileName)
        return std::string(Messages::kCannotSaveOverDefault);
    if (!IsSafeProfileName(name))
        return Messages::NotAProfileName(name);
    std::error_code error;
    if (std::filesystem::exists(store.ProfilePath(name), error))
        return NotCreated(name, EEXIST);
    const FetchResult fetched
        = OpenDestination(source, options)->Fetch(kMaximumProfileBytes, control);
    if (!fetched.result.IsDone())
        return Translated("Could not fetch CustomCombat.wst from ") + source.text + ": "
            + (fetched.result.outcome == Outcome::HostKeyUnknown && fetched.result.hostKey
                    ? Messages::HostKeyUnknown(*fetched.result.hostKey)
                    : fetched.result.reason);
    if (!store.ReadProfileText(name, fetched.bytes))
        return Translated("The CustomCombat.wst of ") + source.text + Translated(" is refused: ")
            + Messages::LoadFailure(store.lastError(), store.lastErrorDetail());
    if (const int written = WriteNewFile(store.ProfilePath(name), fetched.bytes))
        return NotCreated(name, written);
    return std::nullopt;
}
