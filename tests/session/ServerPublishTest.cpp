#include "installs/ServerEntry.h"
#include "profile/ProfileStore.h"
#include "session/PublishTargets.h"
#include "tests/support/Destinations.h"
#include "tests/support/Documents.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SshWorld.h"

#include <gtest/gtest.h>

#include <mutex>

namespace fs = std::filesystem;

namespace {

// A settings file as a person edits it: CRLF, a header with two spaces, a
// server without a URL, one left out and one whose URL cannot be used.
constexpr std::string_view kHandWritten
    = "[installs]\r\nserver=/s\r\n\r\n[server  \"eu1\"]\r\nurl = sftp://eu1/srv/bfv\r\n"
      "[server \"nourl\"]\r\npin = x\r\n"
      "[server \"us1\"]\r\nurl=ftps://us1/srv\r\npublish = No\r\npin=sha256//x\r\n"
      "[server \"bad\"]\r\nurl = http://bad/\r\n";

}  // namespace

TEST(ServerSettings, HandEditedFile_ServerPublishesToTheChosenOnesAndRewritesKeepLines)
{
    TestFolder folder;
    folder.Write("quavel.conf", kHandWritten);
    SettingsFileRead read = SettingsFile::Load(folder / "quavel.conf");
    ASSERT_TRUE(read.settings);
    const std::vector<ServerEntry> servers = ServerEntry::ReadAll(*read.settings);
    ASSERT_EQ(servers.size(), 3u);
    EXPECT_EQ(servers[1].use, ServerUse::LeftOut);

    ScriptedDialogs dialogs;
    const PublishTargets targets = PublishTargets::FromInstalls(InstallsFound{}, servers, dialogs);
    EXPECT_TRUE(targets.IsAvailable(PublishTarget::Server));
    std::vector<std::string> texts;
    for (const PublishDestination& destination : targets.Destinations(PublishTarget::Server))
        texts.push_back(destination.text + (destination.problem.empty() ? "" : " unusable"));
    EXPECT_EQ(texts, (std::vector<std::string>{"sftp://eu1/srv/bfv", "http://bad/ unusable"}));

    // Turning us1 on rewrites its own lines and keeps every other line.
    ServerEntry us1 = servers[1];
    us1.use = ServerUse::PublishedTo;
    ASSERT_TRUE(us1.WriteTo(*read.settings));
    ASSERT_TRUE(ServerEntry::RemoveFrom(*read.settings, "eu1"));
    ASSERT_EQ(read.settings->Save(), 0);
    EXPECT_EQ(folder.Read("quavel.conf"),
        "[installs]\r\nserver=/s\r\n\r\n[server \"nourl\"]\r\npin = x\r\n"
        "[server \"us1\"]\r\nurl=ftps://us1/srv\r\npin=sha256//x\r\npublish=yes\r\n"
        "[server \"bad\"]\r\nurl = http://bad/\r\n");
}

// Cancel while three servers are published to: each has its old file or the
// new one, never a part, and none is left with a temporary.
TEST(ServerPublish, CancelDuringThreeServers_EachHasTheOldFileOrTheNew)
{
    SshWorld world;
    TestFolder work;
    const std::string old = "old";
    std::vector<PublishDestination> destinations;
    for (const std::string folder : {"a", "b", "c"}) {
        fs::create_directories(world.home() / folder / "Mods/bfvietnam/save/GameModeSettings");
        world.Write(
            world.home() / folder / "Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst", old);
        destinations.push_back(
            LocationDestination(*ParseLocation("sftp://bfv/~/" + folder).location));
    }
    ProfileStore store(work.path());
    const std::optional<Profile> profile = store.ReadProfileText("Night", WithTeams("3/4"));
    ASSERT_TRUE(profile);

    std::stop_source stop;
    std::mutex seen;
    std::vector<DestinationState> states;
    const std::vector<TransportResult> results
        = PublishToDestinations(store, *profile, destinations, Backup::None, world.Options(),
            {[&](const DestinationUpdate& update) {
                 const std::lock_guard lock(seen);
                 states.push_back(update.state);
                 if (update.state == DestinationState::Connecting)
                     stop.request_stop();
             },
                {}, stop.get_token()});

    ASSERT_EQ(results.size(), 3u);
    int cancelled = 0;
    for (std::size_t index = 0; index < results.size(); ++index) {
        const std::string held = FileBytes(world.home() / std::string(1, char('a' + index))
            / "Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst");
        EXPECT_TRUE(held == old || held == WithTeams("3/4")) << index;
        EXPECT_EQ(held == old, !results[index].IsDone()) << index << results[index].reason;
        cancelled += results[index].outcome == Outcome::Cancelled;
    }
    EXPECT_GT(cancelled, 0);
    EXPECT_TRUE(Temporaries(world.home()).empty());
}
