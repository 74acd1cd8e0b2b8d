#include "transport/ParallelPublish.h"

#include "text/Translated.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

class Run {
public:
    explicit Run(const ParallelPublish& request)
        : request_(request)
        , results_(request.destinations.size())
    {
    }

    std::vector<TransportResult> Go()
    {
        for (std::size_t index = 0; index < results_.size(); ++index)
            Tell({index, DestinationState::Waiting, 0, 0, {}});
        const std::size_t workers
            = std::min(std::max<std::size_t>(request_.connections, 1), results_.size());
        {
            std::vector<std::jthread> threads;
            for (std::size_t worker = 0; worker < workers; ++worker)
                threads.emplace_back([this] { Work(); });
        }
        return std::move(results_);
    }

private:
    void Tell(const DestinationUpdate& update)
    {
        if (!request_.listener)
            return;
        const std::lock_guard lock(listenerMutex_);
        request_.listener(update);
    }

    std::optional<std::string> Ask(const CredentialQuestion& question)
    {
        if (!request_.credentials)
            return std::nullopt;
        const std::lock_guard lock(questionMutex_);
        return request_.credentials(question);
    }

    void Work()
    {
        for (std::size_t index = next_++; index < results_.size(); index = next_++)
            results_[index] = PublishOne(index);
    }

    TransportResult PublishOne(std::size_t index)
    {
        TransportResult result;
        if (request_.stop.stop_requested()) {
            result = Failure(Outcome::Cancelled, Translated("Cancelled before it started."));
        } else {
            TransferControl control{request_.stop,
                [this, index](TransferStage stage, std::uint64_t done, std::uint64_t total) {
                    // What a publish reads (the file there, a copy to keep) is no upload.
                    if (stage == TransferStage::Downloading)
                        return;
                    Tell({index,
                        stage == TransferStage::Connecting ? DestinationState::Connecting
                                                           : DestinationState::Uploading,
                        done, total, {}});
                },
                [this](const CredentialQuestion& question) { return Ask(question); }, {}};
            result
                = request_.destinations[index]->Publish(request_.bytes, request_.backup, control);
        }
        const DestinationState state = result.IsDone() ? DestinationState::Done
            : result.outcome == Outcome::Cancelled     ? DestinationState::Cancelled
                                                       : DestinationState::Failed;
        Tell({index, state, 0, 0, result.reason});
        return result;
    }

    const ParallelPublish& request_;
    std::vector<TransportResult> results_;
    std::atomic<std::size_t> next_ = 0;
    std::mutex listenerMutex_;
    std::mutex questionMutex_;
};

}  // namespace

std::vector<TransportResult> PublishEverywhere(const ParallelPublish& request)
{
    return Run(request).Go();
}
