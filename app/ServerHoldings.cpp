#include "app/ServerHoldings.h"

#include "session/TransportEnvironment.h"
#include "text/Translated.h"

void ServerHoldings::Ask(const std::vector<PublishDestination>& destinations)
{
    for (const PublishDestination& destination : destinations) {
        if (!destination.remote)
            continue;
        Lookup& lookup = lookups_[destination.text];
        if (lookup.asking)
            continue;
        lookup.asking = true;
        // The last worker has told its answer, so this joins at once.
        lookup.worker = std::jthread([this, destination](std::stop_token stop) {
            const DestinationHolding holding
                = RemoteHolding(destination, TransportOptionsOfProcess(), {stop, {}, {}});
            if (!stop.stop_requested())
                QMetaObject::invokeMethod(
                    this, [this, destination, holding] { Take(destination.text, holding); },
                    Qt::QueuedConnection);
        });
    }
}

std::string ServerHoldings::TextOf(const PublishDestination& destination) const
{
    if (!destination.remote)
        return LocalHolding(destination).Text();
    const auto found = lookups_.find(destination.text);
    if (found == lookups_.end() || !found->second.answer)
        return Translated("asking the server...");
    return found->second.answer->Text();
}

void ServerHoldings::Take(const std::string& server, const DestinationHolding& holding)
{
    Lookup& lookup = lookups_[server];
    lookup.answer = holding;
    lookup.asking = false;
    emit Answered();
}
