#include "transport/Destination.h"

#include "tests/support/Destinations.h"
#include "tests/support/FtpWorld.h"

#include <gtest/gtest.h>

#include <csignal>

namespace fs = std::filesystem;

namespace {

const std::string kSettings = "server/Mods/bfvietnam/save/GameModeSettings";

enum class Pin { None, Right, Wrong };

struct FtpRow {
    const char* name;
    FtpSecurity security;
    std::string scheme;
    Pin pin;
    bool netrc;  // else the password is asked for
    std::optional<std::string> answer;
    Outcome outcome;
    bool warned;
};

void PrintTo(const FtpRow& row, std::ostream* out)
{
    *out << row.name;
}

}  // namespace

class FtpPublish : public testing::TestWithParam<FtpRow> { };

TEST_P(FtpPublish, PublishesOnlyToATrustedServer)
{
    const FtpRow& row = GetParam();
    FtpWorld world(row.security);
    fs::create_directories(world.home() / kSettings);
    world.Write("home/" + kSettings + "/CustomCombat.wst", "old");
    fs::permissions(world.home() / kSettings / "CustomCombat.wst", fs::perms(0604));
    const std::string pin = row.pin == Pin::Right ? world.Pin()
        : row.pin == Pin::Wrong                   ? "sha256//" + std::string(43, 'A') + "="
                                                  : "";
    TransferControl control;
    control.credentials = [&row](const CredentialQuestion&) { return row.answer; };
    const TransportResult result
        = DestinationAt(world.Url(row.scheme, row.netrc ? "" : "quavel@") + "/~/server",
            world.Options(row.netrc), pin)
              ->Publish("new", Backup::KeepReplacedFile, control);

    EXPECT_EQ(result.outcome, row.outcome) << result.reason;
    EXPECT_EQ(result.warning.empty(), !row.warned) << result.warning;
    const fs::path published = world.home() / kSettings / "CustomCombat.wst";
    EXPECT_EQ(FileBytes(published), result.IsDone() ? "new" : "old");
    if (result.IsDone()) {
        EXPECT_EQ(static_cast<unsigned>(fs::status(published).permissions()), 0604u);
        EXPECT_EQ(
            FileBytes(world.home() / kSettings / fs::path(result.keptCopy).filename()), "old");
    }
    EXPECT_EQ(Temporaries(world.home()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Rows, FtpPublish,
    testing::Values(FtpRow{"PinnedSelfSignedCertificate", FtpSecurity::Tls, "ftps", Pin::Right,
                        true, std::nullopt, Outcome::Done, false},
        FtpRow{"UntrustedCertificate", FtpSecurity::Tls, "ftps", Pin::None, true, std::nullopt,
            Outcome::CertificateUntrusted, false},
        FtpRow{"AnotherKeyPinned", FtpSecurity::Tls, "ftps", Pin::Wrong, true, std::nullopt,
            Outcome::CertificateUntrusted, false},
        FtpRow{"PlainFtpWarns", FtpSecurity::Plain, "ftp", Pin::None, true, std::nullopt,
            Outcome::Done, true},
        FtpRow{"FtpsRefusedByAPlainServer", FtpSecurity::Plain, "ftps", Pin::None, true,
            std::nullopt, Outcome::Failed, false},
        FtpRow{"PasswordAskedFor", FtpSecurity::Tls, "ftps", Pin::Right, false,
            std::string(kFtpPassword), Outcome::Done, false},
        FtpRow{"PasswordDeclined", FtpSecurity::Tls, "ftps", Pin::Right, false, std::nullopt,
            Outcome::LoginRefused, false},
        FtpRow{"WrongPassword", FtpSecurity::Plain, "ftp", Pin::None, false, std::string("guess"),
            Outcome::LoginRefused, true}),
    [](const testing::TestParamInfo<FtpRow>& row) { return row.param.name; });

TEST(Ftp, CreatesTheSettingsFolderAndRefusesAFolderOrLinkInPlaceOfTheFile)
{
    FtpWorld world(FtpSecurity::Plain);
    fs::create_directories(world.home() / "server/MODS");
    const auto destination = DestinationAt(world.Url("ftp") + "/~/server", world.Options());
    const TransportResult created = destination->Publish("new", Backup::None, {});
    ASSERT_TRUE(created.IsDone()) << created.reason;
    const fs::path folder = world.home() / "server/MODS/bfvietnam/save/GameModeSettings";
    EXPECT_EQ(FileBytes(folder / "CustomCombat.wst"), "new");

    fs::remove(folder / "CustomCombat.wst");
    world.Write("home/server/elsewhere.wst", "old");
    fs::create_symlink("../../../../elsewhere.wst", folder / "CustomCombat.wst");
    EXPECT_EQ(destination->Publish("new", Backup::None, {}).outcome, Outcome::Refused);
    fs::remove(folder / "CustomCombat.wst");
    fs::create_directory(folder / "CustomCombat.wst");
    EXPECT_EQ(destination->Publish("new", Backup::None, {}).outcome, Outcome::Refused);
    EXPECT_EQ(FileBytes(world.home() / "server/elsewhere.wst"), "old");
    EXPECT_EQ(Temporaries(world.home()), std::vector<std::string>{});
}

TEST(Ftp, FetchReadsTheFileUpToTheCap)
{
    FtpWorld world(FtpSecurity::Tls);
    fs::create_directories(world.home() / kSettings);
    world.Write("home/" + kSettings + "/CustomCombat.wst", "0123456789");
    const auto destination
        = DestinationAt(world.Url("ftps") + "/~/server", world.Options(), world.Pin());
    const FetchResult fitting = destination->Fetch(10, {});
    EXPECT_TRUE(fitting.result.IsDone()) << fitting.result.reason;
    EXPECT_EQ(fitting.bytes, "0123456789");
    EXPECT_EQ(destination->Fetch(9, {}).result.outcome, Outcome::TooLarge);
}

TEST(Ftp, StalledServerTimesOut)
{
    FtpWorld world(FtpSecurity::Tls);
    world.server().Signal(SIGSTOP);
    const auto start = std::chrono::steady_clock::now();
    const TransportResult result
        = DestinationAt(world.Url("ftps") + "/~/server", world.Options(), world.Pin())->Check({});
    EXPECT_EQ(result.outcome, Outcome::TimedOut) << result.reason;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}
