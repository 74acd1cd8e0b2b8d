#pragma once

// Publishes one profile to many destinations at once, on worker threads, at
// most `connections` at a time, and waits for all of them. The listener
// hears every destination's state changes; it and the CredentialSource are
// called on the worker threads, one call at a time (so a front-end's window
// marshals them to its own thread, and a terminal asks one question at a
// time). A stop ends what still runs and starts nothing new: each server
// keeps its old file or has the new one, never a part of it.

#include "transport/Destination.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMostConnections = 8;

enum class DestinationState { Waiting, Connecting, Uploading, Done, Failed, Cancelled };

struct DestinationUpdate {
    std::size_t index = 0;  // into ParallelPublish::destinations
    DestinationState state = DestinationState::Waiting;
    std::uint64_t done = 0;   // Uploading: bytes the server has
    std::uint64_t total = 0;  // Uploading: bytes to send
    std::string reason;       // Failed, Cancelled
};

struct ParallelPublish {
    std::string_view bytes;
    Backup backup = Backup::None;
    std::vector<Destination*> destinations;
    std::size_t connections = kMostConnections;
    std::function<void(const DestinationUpdate&)> listener;  // may be empty
    CredentialSource credentials;                            // may be empty
    std::stop_token stop;
};

// One result per destination, in their order.
std::vector<TransportResult> PublishEverywhere(const ParallelPublish& request);
