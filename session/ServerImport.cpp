#include "session/ServerImport.h"

#include "profile/AtomicFile.h"
#include "profile/ProfileStore.h"
#include "profile/RegularFile.h"
#include "session/Messages.h"
#include "session/SessionDestination.h"
#include "text/Translated.h"

std::optional<std::string> ImportProfile(ProfileStore& store, const PublishDestination& source,
    const std::string& name, const TransportOptions& options, const TransferControl& control)
{
    if (name == kDefaultProfileName)
        return std::string(Messages::kCannotSaveOverDefault);
    if (!IsSafeProfileName(name))
        return Messages::NotAProfileName(name);
    std::error_code error;
    if (std::filesystem::exists(store.ProfilePath(name), error))
        return Messages::NotCreatedBecause(name, EEXIST);
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
        return Messages::NotCreatedBecause(name, written);
    return std::nullopt;
}
