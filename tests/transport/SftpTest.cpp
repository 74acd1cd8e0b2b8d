#include "transport/Destination.h"
#include "transport/HostKeys.h"

#include "tests/support/Destinations.h"
#include "tests/support/SshWorld.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <utime.h>

#include <cstring>

#include <functional>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSettings = "Mods/bfvietnam/save/GameModeSettings";
const std::string kPublished = std::string(kSettings) + "/CustomCombat.wst";

TransferControl Answering(std::optional<std::string> answer)
{
    TransferControl control;
    control.credentials = [answer](const CredentialQuestion&) { return answer; };
    return control;
}

struct PublishRow {
    const char* name;
    std::function<void(SshWorld&)> prepare;
    std::string url;        // "/ABS" stands for the home folder's absolute path
    std::string published;  // where the file lands, relative to the home folder
};

void PrintTo(const PublishRow& row, std::ostream* out)
{
    *out << row.name;
}

std::string Url(const SshWorld& world, std::string url)
{
    if (const std::size_t tilde = url.find("/ABS"); tilde != std::string::npos)
        url.replace(tilde, 4, world.home().string());
    return url;
}

}  // namespace

class SftpPublish : public testing::TestWithParam<PublishRow> { };

TEST_P(SftpPublish, WritesTheFileWhereTheGameReadsIt)
{
    const PublishRow& row = GetParam();
    SshWorld world;
    fs::create_directories(world.home() / "server");
    row.prepare(world);
    const TransportResult result
        = DestinationAt(Url(world, row.url), world.Options())
              ->Publish("new", Backup::None, Answering(std::string(kTestPassphrase)));
    ASSERT_TRUE(result.IsDone()) << result.reason;
    EXPECT_EQ(FileBytes(world.home() / row.published), "new");
    EXPECT_EQ(Temporaries(world.home()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Rows, SftpPublish,
    testing::Values(PublishRow{"InstallFolderInTheHome", [](SshWorld&) {}, "sftp://bfv/~/server",
                        "server/" + kPublished},
        PublishRow{"FoldersOfAnotherLetterCaseAreUsed",
            [](SshWorld& world) {
                fs::create_directories(
                    world.home() / "server/MODS/BFVietnam/save/gamemodesettings");
            },
            "sftp://bfv/~/server", "server/MODS/BFVietnam/save/gamemodesettings/CustomCombat.wst"},
        PublishRow{"SettingsFolderByAbsolutePath",
            [](SshWorld& world) {
                fs::create_directories(world.home() / "game/mods/BFVIETNAM/save/GameModeSettings");
                world.Write(
                    "home/game/mods/BFVIETNAM/save/GameModeSettings/customcombat.wst", "old");
            },
            "sftp://bfv/ABS/game/mods/BFVIETNAM/save/GameModeSettings/",
            "game/mods/BFVIETNAM/save/GameModeSettings/customcombat.wst"},
        PublishRow{"ThroughAJumpHost", [](SshWorld&) {}, "sftp://via-jump/~/server",
            "server/" + kPublished},
        PublishRow{"LoginByAgent", [](SshWorld& world) { world.StartAgent(); },
            "sftp://by-agent/~/server", "server/" + kPublished},
        PublishRow{"KeyPassphraseAskedFor", [](SshWorld&) {}, "sftp://locked/~/server",
            "server/" + kPublished}),
    [](const testing::TestParamInfo<PublishRow>& row) { return row.param.name; });

struct RefusalRow {
    const char* name;
    std::function<void(SshWorld&)> prepare;
    std::string url;
    std::optional<std::string> answer;
    Outcome outcome;
};

void PrintTo(const RefusalRow& row, std::ostream* out)
{
    *out << row.name;
}

class SftpRefusal : public testing::TestWithParam<RefusalRow> { };

TEST_P(SftpRefusal, ChangesNothing)
{
    const RefusalRow& row = GetParam();
    SshWorld world;
    fs::create_directories(world.home() / "server" / kSettings);
    world.Write("home/server/" + kPublished, "old");
    row.prepare(world);
    const TransportResult result = DestinationAt(row.url, world.Options())
                                       ->Publish("new", Backup::None, Answering(row.answer));
    EXPECT_EQ(result.outcome, row.outcome) << result.reason;
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(Temporaries(world.home()), std::vector<std::string>{});
    if (fs::is_regular_file(world.home() / "server" / kPublished)) {
        EXPECT_EQ(FileBytes(world.home() / "server" / kPublished), "old");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SftpRefusal,
    testing::Values(RefusalRow{"UnknownHostKey", [](SshWorld& world) { world.ForgetHostKey(0); },
                        "sftp://bfv/~/server", std::nullopt, Outcome::HostKeyUnknown},
        // The jump host's own ssh asks whether to trust it, and is told no.
        RefusalRow{"JumpHostKeyUnknown", [](SshWorld& world) { world.ForgetHostKey(1); },
            "sftp://via-jump/~/server", std::string("yes"), Outcome::HostKeyUnknown},
        RefusalRow{"ChangedHostKey", [](SshWorld& world) { world.ReplaceHostKey(); },
            "sftp://bfv/~/server", std::nullopt, Outcome::HostKeyChanged},
        RefusalRow{"KeyNotAccepted", [](SshWorld&) {}, "sftp://stranger/~/server", std::nullopt,
            Outcome::LoginRefused},
        RefusalRow{"PassphraseDeclined", [](SshWorld&) {}, "sftp://locked/~/server", std::nullopt,
            Outcome::LoginRefused},
        RefusalRow{"WrongPassphrase", [](SshWorld&) {}, "sftp://locked/~/server",
            std::string("open sesame"), Outcome::LoginRefused},
        RefusalRow{"InstallFolderMissing", [](SshWorld&) {}, "sftp://bfv/~/elsewhere", std::nullopt,
            Outcome::FolderMissing},
        RefusalRow{"SettingsFolderCannotBeCreated",
            [](SshWorld& world) {
                fs::create_directory(world.home() / "other");
                world.Write("home/other/Mods", "a file");
            },
            "sftp://bfv/~/other", std::nullopt, Outcome::FolderMissing},
        RefusalRow{"TargetIsAFolder",
            [](SshWorld& world) {
                fs::remove(world.home() / "server" / kPublished);
                fs::create_directory(world.home() / "server" / kPublished);
            },
            "sftp://bfv/~/server", std::nullopt, Outcome::Refused},
        RefusalRow{"TargetIsALink",
            [](SshWorld& world) {
                world.Write("home/server/elsewhere.wst", "old");
                fs::remove(world.home() / "server" / kPublished);
                fs::create_symlink(
                    "../../../../elsewhere.wst", world.home() / "server" / kPublished);
            },
            "sftp://bfv/~/server", std::nullopt, Outcome::Refused},
        RefusalRow{"NoServerOnThePort", [](SshWorld& world) { world.server(0).Kill(); },
            "sftp://bfv/~/server", std::nullopt, Outcome::Unreachable}),
    [](const testing::TestParamInfo<RefusalRow>& row) { return row.param.name; });

TEST(Sftp, UnknownHostKeyShowsItsFingerprintAndCanBeTrusted)
{
    SshWorld world;
    fs::create_directories(world.home() / "server");
    world.ForgetHostKey(0);
    const TransportResult unknown
        = DestinationAt("sftp://bfv/~/server", world.Options())->Check({});
    ASSERT_EQ(unknown.outcome, Outcome::HostKeyUnknown) << unknown.reason;
    ASSERT_TRUE(unknown.hostKey);
    EXPECT_EQ(unknown.hostKey->fingerprint, world.Fingerprint());
    EXPECT_EQ(unknown.hostKey->type, "ED25519");

    ASSERT_TRUE(TrustHostKey(*unknown.hostKey).IsDone());
    const TransportResult trusted
        = DestinationAt("sftp://bfv/~/server", world.Options())->Check({});
    EXPECT_TRUE(trusted.IsDone()) << trusted.reason;
    // The changed key's warning carries the key the server shows now.
    world.ReplaceHostKey();
    const TransportResult changed
        = DestinationAt("sftp://bfv/~/server", world.Options())->Check({});
    ASSERT_EQ(changed.outcome, Outcome::HostKeyChanged);
    EXPECT_EQ(changed.hostKey->fingerprint, world.Fingerprint());
}

TEST(Sftp, ReplacedFileKeepsItsModeAndABackup)
{
    SshWorld world;
    const fs::path folder = world.home() / "server" / kSettings;
    fs::create_directories(folder);
    world.Write("home/server/" + kPublished, "old");
    fs::permissions(folder / "CustomCombat.wst", fs::perms(0640));
    const auto destination = DestinationAt("sftp://bfv/~/server", world.Options());

    const TransportResult first = destination->Publish("new", Backup::KeepReplacedFile, {});
    const TransportResult second = destination->Publish("newer", Backup::KeepReplacedFile, {});
    ASSERT_TRUE(first.IsDone() && second.IsDone()) << first.reason << second.reason;
    EXPECT_EQ(FileBytes(folder / "CustomCombat.wst"), "newer");
    EXPECT_EQ(static_cast<unsigned>(fs::status(folder / "CustomCombat.wst").permissions()), 0640u);
    const auto copy = [&folder](const TransportResult& result) {
        return folder / fs::path(result.keptCopy).filename();
    };
    EXPECT_EQ(FileBytes(copy(first)), "old");
    EXPECT_EQ(FileBytes(copy(second)), "new");
    EXPECT_TRUE(first.keptCopy.starts_with("bfv:~/server/Mods/bfvietnam/save/GameModeSettings/"
                                           "CustomCombat.wst.2"))
        << first.keptCopy;
    EXPECT_TRUE(first.keptCopy.ends_with(".bak")) << first.keptCopy;
    EXPECT_NE(first.keptCopy, second.keptCopy);
}

// Before it writes anything, a publish asks whether it may replace the file
// it found there; told no, it keeps it and leaves nothing of its own.
TEST(Sftp, FileKeptWhenItMayNotBeReplaced)
{
    SshWorld world;
    const fs::path folder = world.home() / "server" / kSettings;
    fs::create_directories(folder);
    world.Write("home/server/" + kPublished, "tuned there");
    std::optional<std::string> found;
    TransferControl control;
    control.mayReplace = [&found](const std::optional<std::string>& there) {
        found = there;
        return false;
    };

    const TransportResult kept = DestinationAt("sftp://bfv/~/server", world.Options())
                                     ->Publish("new", Backup::KeepReplacedFile, control);
    EXPECT_EQ(kept.outcome, Outcome::NotReplaced) << kept.reason;
    EXPECT_EQ(found, "tuned there");
    // No backup and no upload beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_EQ(FileBytes(folder / "CustomCombat.wst"), "tuned there");
}

TEST(Sftp, ServerKilledMidUploadLeavesTheOldFileAndTheNextPublishCleansUp)
{
    SshWorld world;
    const fs::path folder = world.home() / "server" / kSettings;
    fs::create_directories(folder);
    world.Write("home/server/" + kPublished, "old");
    const std::string large(4 * 1024 * 1024, 'x');
    TransferControl killer;
    killer.progress = [&world](TransferStage stage, std::uint64_t done, std::uint64_t) {
        if (stage == TransferStage::Uploading && done > 0)
            world.server(0).Kill();
    };
    const TransportResult killed = DestinationAt("sftp://bfv/~/server", world.Options())
                                       ->Publish(large, Backup::None, killer);
    EXPECT_EQ(killed.outcome, Outcome::Failed) << killed.reason;
    EXPECT_EQ(FileBytes(folder / "CustomCombat.wst"), "old");

    world.StartServer(0);
    const TransportResult again
        = DestinationAt("sftp://bfv/~/server", world.Options())->Publish("new", Backup::None, {});
    EXPECT_TRUE(again.IsDone()) << again.reason;
    EXPECT_EQ(FileBytes(folder / "CustomCombat.wst"), "new");
    EXPECT_EQ(Temporaries(world.home()), std::vector<std::string>{});
}

TEST(Sftp, StalledServerTimesOutInsteadOfHanging)
{
    for (const bool duringUpload : {false, true}) {
        SshWorld world;
        fs::create_directories(world.home() / "server" / kSettings);
        TransferControl control;
        control.progress = [&world](TransferStage stage, std::uint64_t, std::uint64_t) {
            if (stage == TransferStage::Uploading)
                world.server(0).Signal(SIGSTOP);
        };
        if (!duringUpload)
            world.server(0).Signal(SIGSTOP);  // the kernel still accepts connections
        const auto start = std::chrono::steady_clock::now();
        const TransportResult result
            = DestinationAt("sftp://bfv/~/server", world.Options())
                  ->Publish(std::string(1024 * 1024, 'x'), Backup::None, control);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(result.outcome, Outcome::TimedOut) << duringUpload << ": " << result.reason;
        EXPECT_LT(took, std::chrono::seconds(12)) << duringUpload;
    }
}

TEST(Sftp, LeftoverUploadsAreRemovedButNeverALiveOne)
{
    SshWorld world;
    const fs::path folder = world.home() / "server" / kSettings;
    fs::create_directories(folder);
    std::string machine = FileBytes("/etc/machine-id");
    machine.erase(
        std::remove_if(machine.begin(), machine.end(), [](char c) { return !std::isalnum(c); }),
        machine.end());
    const pid_t gone = ::fork();  // a process of this machine that is over
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    struct Leftover {
        std::string name;
        int hoursOld;
        bool removed;
    };
    const std::vector<Leftover> leftovers{
        {".quavel-" + machine + "-" + std::to_string(gone) + "-1.upload", 0, true},
        {".quavel-" + machine + "-" + std::to_string(::getppid()) + "-2.upload", 5, false},
        {".quavel-elsewhere-123-3.upload", 2, true},
        {".quavel-elsewhere-123-4.upload", 0, false},
        {".quavel-0123456789abcdef.tmp", 5, false},
    };
    for (const Leftover& leftover : leftovers) {
        world.Write(folder / leftover.name, "part");
        const std::time_t when = std::time(nullptr) - leftover.hoursOld * 3600;
        const utimbuf times{when, when};
        ::utime((folder / leftover.name).c_str(), &times);
    }
    ASSERT_TRUE(DestinationAt("sftp://bfv/~/server", world.Options())
                    ->Publish("new", Backup::None, {})
                    .IsDone());
    for (const Leftover& leftover : leftovers)
        EXPECT_EQ(fs::exists(folder / leftover.name), !leftover.removed) << leftover.name;
}

TEST(Sftp, FetchReadsTheFileUpToTheCap)
{
    SshWorld world;
    fs::create_directories(world.home() / "server" / kSettings);
    const auto destination = DestinationAt("sftp://bfv/~/server", world.Options());
    EXPECT_EQ(destination->Fetch(100, {}).result.outcome, Outcome::FileMissing);
    world.Write("home/server/" + kPublished, "0123456789");
    const FetchResult fitting = destination->Fetch(10, {});
    EXPECT_TRUE(fitting.result.IsDone()) << fitting.result.reason;
    EXPECT_EQ(fitting.bytes, "0123456789");
    const FetchResult large = destination->Fetch(9, {});
    EXPECT_EQ(large.result.outcome, Outcome::TooLarge);
    EXPECT_EQ(large.bytes, "");
}

TEST(Sftp, FullDiskOnTheServerFailsAndKeepsTheOldFile)
{
    SshWorld world;
    const fs::path folder = world.home() / "server" / kSettings;
    fs::create_directories(folder);
    // A file system of 64 KiB, mounted over the settings folder while the test runs.
    struct SmallDisk {
        const fs::path& at;
        const bool mounted = ::mount("quavel-test", at.c_str(), "tmpfs", 0, "size=64k") == 0;
        ~SmallDisk()
        {
            if (mounted)
                ::umount(at.c_str());
        }
    } disk{folder};
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
    world.Write("home/server/" + kPublished, "old");
    const TransportResult result = DestinationAt("sftp://bfv/~/server", world.Options())
                                       ->Publish(std::string(1024 * 1024, 'x'), Backup::None, {});
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_NE(result.reason.find("CustomCombat.wst"), std::string::npos) << result.reason;
    EXPECT_NE(result.reason.find("full disk"), std::string::npos) << result.reason;
    EXPECT_EQ(FileBytes(folder / "CustomCombat.wst"), "old");
    EXPECT_EQ(Temporaries(folder), std::vector<std::string>{});
}
