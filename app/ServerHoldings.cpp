#include "app/ServerHoldings.h"

#include "session/TransportEnvironment.h"
#include "text/Translated.h"

#include <utility>

void ServerHoldings::Ask(const std::vector<PublishDestination>& destinations)
{
    for (const PublishDestination& destination : destinations) {
        if (!destination.remote)
            continue;
        Lookup& lookup = lookups_[destination.text];
        if (lookup.asking)
            lookup.askAgain = true;
        else
            Start(lookup, destination);
    }
}

void ServerHoldings::Start(Lookup& lookup, const PublishDestination& destination)
{
    lookup.asking = true;
    // The last worker has told its answer, so this joins at once.
    lookup.worker = std::jthread([this, destination](std::stop_token stop) {
        const DestinationHolding holding
            = RemoteHolding(destination, TransportOptionsOfProcess(), {stop, {}, {}, {}});
        if (!stop.stop_requested())
            QMetaObject::invokeMethod(
                this, [this, destination, holding] { Take(destination, holding); },
                Qt::QueuedConnection);
    });
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

void ServerHoldings::Take(const PublishDestination& destination, const DestinationHolding& holding)
{
    Lookup& lookup = lookups_[destination.text];
    lookup.answer = holding;
    lookup.asking = false;
    if (std::exchange(lookup.askAgain, false))
        Start(lookup, destination);
    emit Answered();
}
