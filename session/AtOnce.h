#pragma once

// Runs work(0) ... work(count - 1) on threads of their own, at most
// kMostConnections at a time (each may hold a connection to a server), and
// returns once all are done.

#include "transport/ParallelPublish.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>
#include <vector>

inline void RunAtOnce(std::size_t count, const std::function<void(std::size_t)>& work)
{
    std::atomic<std::size_t> next = 0;
    std::vector<std::jthread> threads;
    for (std::size_t worker = 0; worker < std::min(count, kMostConnections); ++worker)
        threads.emplace_back([&] {
            for (std::size_t index = next++; index < count; index = next++)
                work(index);
        });
}
