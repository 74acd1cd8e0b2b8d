#pragma once

// What each publish destination holds, for the "Publish To" tooltips and
// menu. A local folder is looked at when asked. A server's file must be
// fetched, which may take until the connection gives up, so that runs on a
// worker thread per server: meanwhile the last answer stands (or "asking the
// server..."), and Answered tells the window when a new one has come. One
// asked for while the server is being asked (a publish may have ended since
// the fetch read the file) is asked again as soon as that answer is in.

#include "session/DestinationHolding.h"
#include "session/PublishTargets.h"

#include <QObject>

#include <map>
#include <string>
#include <thread>
#include <vector>

class ServerHoldings : public QObject {
    Q_OBJECT

public:
    // Starts fetching from each server among destinations that is not being asked already.
    void Ask(const std::vector<PublishDestination>& destinations);
    // What the destination holds as far as is known now.
    std::string TextOf(const PublishDestination& destination) const;

signals:
    void Answered();

private:
    struct Lookup {
        std::optional<DestinationHolding> answer;
        bool asking = false;
        bool askAgain = false;
        // Last, so that a lookup still running is stopped and joined before
        // the rest goes; stops a fetch at once rather than at its time-out.
        std::jthread worker;
    };

    void Start(Lookup& lookup, const PublishDestination& destination);
    void Take(const PublishDestination& destination, const DestinationHolding& holding);

    std::map<std::string, Lookup> lookups_;  // by the destination's text
};
