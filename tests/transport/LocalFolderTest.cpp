#include "transport/Destination.h"

#include "tests/support/Destinations.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

}  // namespace

TEST(LocalFolder, PublishesBelowAnInstallFolderInTheHomeWithABackup)
{
    TestFolder home;
    const char* previous = std::getenv("HOME");
    ::setenv("HOME", home.path().c_str(), 1);
    fs::create_directories(home / "bfv/MODS/bfvietnam");  // another letter case, partly there
    const auto destination = DestinationAt("~/bfv");
    EXPECT_TRUE(destination->Check({}).IsDone());
    const TransportResult first = destination->Publish("one", Backup::KeepReplacedFile, {});
    const TransportResult second = destination->Publish("two", Backup::KeepReplacedFile, {});
    // Within the same second as a rule: the third backup's name takes "-1".
    const TransportResult third = destination->Publish("three", Backup::KeepReplacedFile, {});
    const FetchResult fetched = destination->Fetch(5, {});
    const FetchResult tooLarge = destination->Fetch(4, {});
    ::setenv("HOME", previous ? previous : "/", 1);

    ASSERT_TRUE(first.IsDone() && second.IsDone() && third.IsDone()) << third.reason;
    const fs::path folder = home / "bfv/MODS/bfvietnam/save/GameModeSettings";
    EXPECT_EQ(home.Entries("bfv"), std::set<std::string>{"MODS"});
    EXPECT_EQ(FileBytes(folder / "CustomCombat.wst"), "three");
    EXPECT_EQ(first.keptCopy, "");  // nothing was replaced
    EXPECT_EQ(FileBytes(second.keptCopy), "one");
    EXPECT_EQ(FileBytes(folder / third.keptCopy), "two");
    EXPECT_EQ(fetched.bytes, "three");
    EXPECT_EQ(tooLarge.result.outcome, Outcome::TooLarge);
}

TEST(LocalFolder, RefusesAMissingInstallFolderAndAFolderInPlaceOfTheFile)
{
    TestFolder server;
    EXPECT_EQ(DestinationAt((server / "missing").string())->Publish("x", Backup::None, {}).outcome,
        Outcome::FolderMissing);
    const fs::path settings = server / "Mods/bfvietnam/save/GameModeSettings";
    fs::create_directories(settings / "CustomCombat.wst");
    EXPECT_EQ(
        DestinationAt(settings.string())->Publish("x", Backup::None, {}).outcome, Outcome::Refused);
    EXPECT_EQ(DestinationAt(server.path().string())->Fetch(10, {}).result.outcome, Outcome::Failed);
}
