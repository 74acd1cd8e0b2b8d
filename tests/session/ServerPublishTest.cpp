#include "installs/ServerEntry.h"
#include "profile/ProfileStore.h"
#include "session/PublishTargets.h"
#include "tests/support/Destinations.h"
#include "tests/support/Documents.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SshWorld.h"
#include "tests/support/StateHome.h"

#include <gtest/gtest.h>

#include <csignal>

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

    // Turning us1 on changes the value of its "publish" line and keeps every other line.
    ServerEntry us1 = servers[1];
    us1.use = ServerUse::PublishedTo;
    ASSERT_TRUE(us1.WriteTo(*read.settings));
    ASSERT_TRUE(ServerEntry::RemoveFrom(*read.settings, "eu1"));
    ASSERT_EQ(read.settings->Save(), 0);
    EXPECT_EQ(folder.Read("quavel.conf"),
        "[installs]\r\nserver=/s\r\n\r\n[server \"nourl\"]\r\npin = x\r\n"
        "[server \"us1\"]\r\nurl=ftps://us1/srv\r\npublish = yes\r\npin=sha256//x\r\n"
        "[server \"bad\"]\r\nurl = http://bad/\r\n");
}

// Cancel while one of three servers does not answer: the two that took the
// profile have it, the third keeps its old file, and the publish returns at
// once instead of waiting for the time-out.
TEST(ServerPublish, CancelWhileOneServerHangs_ItKeepsTheOldFileAndTheOthersHaveTheNew)
{
    const StateHome state;  // the journal
    SshWorld world;
    TestFolder work;
    const std::vector<std::pair<std::string, std::string>> servers{
        {"bfv", "a"}, {"bfv", "b"}, {"jump", "c"}};
    std::vector<PublishDestination> destinations;
    for (const auto& [host, folder] : servers) {
        fs::create_directories(world.home() / folder / "Mods/bfvietnam/save/GameModeSettings");
        world.Write(
            world.home() / folder / "Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst", "old");
        destinations.push_back(
            LocationDestination(*ParseLocation("sftp://" + host + "/~/" + folder).location));
    }
    work.Write("Night.wst", WithTeams("3/4"));
    ProfileStore store(work.path());
    const std::optional<Profile> profile = store.LoadProfile("Night");
    ASSERT_TRUE(profile);
    world.server(1).Signal(SIGSTOP);

    std::stop_source stop;
    int done = 0;  // the listener is called one update at a time
    TransportOptions options = world.Options();
    options.connectTimeout = std::chrono::seconds(20);
    const auto started = std::chrono::steady_clock::now();
    const std::vector<TransportResult> results
        = PublishToDestinations(store, *profile, destinations, Backup::None, options,
            {[&](const DestinationUpdate& update) {
                 if (update.state == DestinationState::Done && ++done == 2)
                     stop.request_stop();
             },
                {}, stop.get_token()});
    world.server(1).Signal(SIGCONT);

    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    ASSERT_EQ(results.size(), 3u);
    for (std::size_t index = 0; index < results.size(); ++index) {
        const std::string held = FileBytes(world.home() / servers[index].second
            / "Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst");
        EXPECT_TRUE(held == (index < 2 ? WithTeams("3/4") : "old"))
            << index << ": " << results[index].reason;
    }
    EXPECT_EQ(results[2].outcome, Outcome::Cancelled) << results[2].reason;
    EXPECT_TRUE(Temporaries(world.home()).empty());
}
