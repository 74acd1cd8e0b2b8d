#pragma once

// How a front-end follows a publish to several destinations at once: it
// hears each one's steps, answers the password questions and may stop what
// still runs (see ParallelPublish for the threads these are called on).

#include "transport/ParallelPublish.h"
#include "transport/TransportResult.h"

#include <functional>
#include <stop_token>
#include <vector>

struct PublishWatch {
    std::function<void(const DestinationUpdate&)> listener;  // may be empty
    CredentialSource credentials;                            // may be empty
    std::stop_token stop;
};

// A publish to run under a front-end's watch: one result per destination.
using WatchedPublish = std::function<std::vector<TransportResult>(const PublishWatch&)>;
