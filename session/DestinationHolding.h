#pragma once

// What a publish destination holds, judged by the publish journal: the
// profile last published there, as long as its bytes are there still, and
// whether that profile's file has been edited since; or that someone changed
// the file there; or that nothing was published there from here; or that
// its file could not be read, and why. The bytes are given, so that a remote
// destination is judged like a local one.

#include "session/PublishJournal.h"
#include "transport/Transfer.h"
#include "transport/TransportResult.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

struct PublishDestination;

struct DestinationHolding {
    enum class State {
        Published,         // the bytes last written there, equal to the profile's file
        EditedSince,       // the bytes last written there; the profile's file differs now
        ChangedThere,      // bytes that Quavel did not write there
        NotPublishedHere,  // a file, and no record of publishing there
        NoFile,
        NotKnown,  // no answer, or a file that cannot be read
    };
    State state = State::NoFile;
    std::string profile;      // Published and EditedSince
    std::time_t time = 0;     // of the publish the bytes came from, or of the last one
    std::string profileFile;  // Published and EditedSince
    std::string reason;       // NotKnown: why, in a sentence

    // "CustomCombat_Night, published 2025-01-02 14:04" and the like, the date
    // in the user's time zone.
    std::string Text() const;
    // "published", "edited since", "changed there", "not published from here",
    // "no file", "not known".
    std::string_view StateName() const;
};

// records: the journal's, oldest first. destinationBytes: none when the
// destination has no CustomCombat.wst.
DestinationHolding JudgeHolding(const std::vector<PublishRecord>& records,
    const std::string& destination, const std::optional<std::string>& destinationBytes);

// The same for a destination on this machine, its file and the journal read
// now under the lock of its folder: a publish holds that lock from writing
// the file until its record is in the journal, so a look sees both or
// neither, and never takes a publish at work for a change made by hand.
DestinationHolding LocalHolding(const PublishDestination& destination);

// The same for a server on the network, its file fetched now.
DestinationHolding RemoteHolding(const PublishDestination& destination,
    const TransportOptions& options, const TransferControl& control);

struct CheckedHolding {
    DestinationHolding holding;
    TransportResult check;  // as Destination::Check tells it
};

// What a destination holds and whether it can be reached. A server's fetch
// settles both when it found a file or found none in a folder that is
// there: only a fetch that failed for no stated reason costs a second
// connection, for the check's own answer.
CheckedHolding HoldingAndCheck(
    const PublishDestination& destination, const TransportOptions& options);

// What each destination holds, looked at all at once.
std::vector<DestinationHolding> Holdings(
    const std::vector<PublishDestination>& destinations, const TransportOptions& options);
