#include "transport/ParallelPublish.h"

#include "tests/support/Destinations.h"
#include "tests/support/SshWorld.h"

#include <gtest/gtest.h>

#include <map>
#include <mutex>

namespace fs = std::filesystem;

namespace {

const fs::path kPublished = "Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";

// Three servers of the world, each with its own install folder holding "old".
std::vector<std::unique_ptr<Destination>> ThreeServers(SshWorld& world)
{
    std::vector<std::unique_ptr<Destination>> destinations;
    for (std::size_t index = 0; index < 3; ++index) {
        const std::string install = "server" + std::to_string(index);
        fs::create_directories((world.home() / install / kPublished).parent_path());
        world.Write(fs::path("home") / install / kPublished, "old");
        destinations.push_back(
            DestinationAt("sftp://127.0.0.1:" + std::to_string(world.port(index)) + "/~/" + install,
                world.Options()));
    }
    return destinations;
}

std::vector<Destination*> Pointers(const std::vector<std::unique_ptr<Destination>>& owned)
{
    std::vector<Destination*> pointers;
    for (const auto& destination : owned)
        pointers.push_back(destination.get());
    return pointers;
}

}  // namespace

TEST(ParallelPublish, PublishesToEveryDestinationAtMostNAtOnceAndTellsEachStep)
{
    SshWorld world(3);
    std::vector<std::unique_ptr<Destination>> destinations = ThreeServers(world);
    destinations.push_back(DestinationAt("sftp://bfv/~/missing", world.Options()));
    std::mutex mutex;
    std::map<std::size_t, std::vector<DestinationState>> seen;
    std::size_t running = 0;
    std::size_t mostRunning = 0;
    ParallelPublish request;
    request.bytes = "new";
    request.destinations = Pointers(destinations);
    request.connections = 2;
    request.listener = [&](const DestinationUpdate& update) {
        const std::lock_guard lock(mutex);  // the runner promises one call at a time; count anyway
        std::vector<DestinationState>& states = seen[update.index];
        if (update.state == DestinationState::Connecting)
            mostRunning = std::max(mostRunning, ++running);
        if (update.state == DestinationState::Done || update.state == DestinationState::Failed)
            --running;
        if (states.empty() || states.back() != update.state)
            states.push_back(update.state);
    };
    const std::vector<TransportResult> results = PublishEverywhere(request);

    ASSERT_EQ(results.size(), 4u);
    using enum DestinationState;
    for (std::size_t index = 0; index < 3; ++index) {
        EXPECT_TRUE(results[index].IsDone()) << results[index].reason;
        EXPECT_EQ(seen[index], (std::vector{Waiting, Connecting, Uploading, Done})) << index;
        EXPECT_EQ(FileBytes(world.home() / ("server" + std::to_string(index)) / kPublished), "new");
    }
    EXPECT_EQ(results[3].outcome, Outcome::FolderMissing);
    EXPECT_EQ(seen[3], (std::vector{Waiting, Connecting, Failed}));
    EXPECT_EQ(mostRunning, 2u);
}

TEST(ParallelPublish, CancelLeavesEachServerWithTheOldOrTheNewFileWhole)
{
    SshWorld world(3);
    const std::vector<std::unique_ptr<Destination>> destinations = ThreeServers(world);
    const std::string profile(8 * 1024 * 1024, 'n');
    std::stop_source cancel;
    ParallelPublish request;
    request.bytes = profile;
    request.destinations = Pointers(destinations);
    request.stop = cancel.get_token();
    std::map<std::size_t, std::uint64_t> uploaded;  // only the listener's thread at a time
    request.listener = [&cancel, &uploaded](const DestinationUpdate& update) {
        if (update.state == DestinationState::Uploading && update.done > 0)
            cancel.request_stop();
        uploaded[update.index] = std::max(uploaded[update.index], update.done);
    };
    const std::vector<TransportResult> results = PublishEverywhere(request);

    std::size_t cancelled = 0;
    for (std::size_t index = 0; index < 3; ++index) {
        const fs::path install = world.home() / ("server" + std::to_string(index));
        const std::string bytes = FileBytes(install / kPublished);
        EXPECT_TRUE(bytes == "old" || bytes == profile)
            << index << ": " << bytes.size() << " bytes";
        EXPECT_EQ(bytes == profile, results[index].IsDone()) << results[index].reason;
        if (results[index].outcome == Outcome::Cancelled) {
            ++cancelled;
            // A Cancel stops the upload, rather than waiting for its end.
            EXPECT_LT(uploaded[index], profile.size()) << index;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(install / kPublished.parent_path()),
                      fs::directory_iterator()),
            1)
            << "a temporary was left in " << index;
    }
    EXPECT_GE(cancelled, 1u);
}
