// The window's parts for servers, with real SSH servers: the progress dialog
// of a publish to three servers, and Add Remote Server's Test Connection with
// its host-key question.

#include "app/AddServerDialog.h"
#include "app/PublishWatchDialog.h"
#include "app/ServerHoldings.h"
#include "session/PublishTargets.h"
#include "session/SessionDestination.h"
#include "tests/controls/WidgetTesting.h"
#include "tests/support/Destinations.h"
#include "tests/support/SshWorld.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

const fs::path kSettingsFile = "Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";

// The ssh configuration of the world as the user's own.
class WithSshWorld : public ::testing::Test {
protected:
    WithSshWorld() { ::setenv("QUAVEL_SSH_CONFIG", (world.path() / "ssh_config").c_str(), 1); }
    ~WithSshWorld() override { ::unsetenv("QUAVEL_SSH_CONFIG"); }

    SshWorld world;
};

}  // namespace

// One server does not answer: after half a second the dialog shows a row per
// server, the window's events go on meanwhile, and Cancel ends the publish
// with the two servers that took the file having it and the third its old one.
TEST_F(WithSshWorld, PublishDialog_ShownAfterHalfASecond_CancelStopsTheServerThatHangs)
{
    std::vector<std::unique_ptr<Destination>> destinations;
    for (const char* url : {"sftp://bfv/~/a", "sftp://bfv/~/b", "sftp://jump/~/c"}) {
        const std::string folder = std::string(url).substr(std::string(url).size() - 1);
        fs::create_directories(world.home() / folder / kSettingsFile.parent_path());
        world.Write(world.home() / folder / kSettingsFile, "old");
        TransportOptions options = world.Options();
        options.connectTimeout = std::chrono::seconds(20);
        destinations.push_back(DestinationAt(url, options));
    }
    world.server(1).Signal(SIGSTOP);
    PublishWatchDialog dialog(nullptr, {"a", "b", "c"});
    bool shownWhileRunning = false;
    QStringList rows;
    QTimer::singleShot(2 * PublishWatchDialog::kShowAfterMilliseconds, [&] {
        shownWhileRunning = dialog.isVisible();
        for (const QLabel* row : dialog.findChildren<QLabel*>())
            rows.append(row->text());
        dialog.findChild<QPushButton*>()->click();
    });
    const std::vector<TransportResult> results = dialog.Run([&](const PublishWatch& watch) {
        ParallelPublish request;
        request.bytes = "new";
        for (const auto& destination : destinations)
            request.destinations.push_back(destination.get());
        request.listener = watch.listener;
        request.stop = watch.stop;
        return PublishEverywhere(request);
    });
    world.server(1).Signal(SIGCONT);

    EXPECT_TRUE(shownWhileRunning);
    EXPECT_EQ(rows.join('|').toStdString(), "a: done|b: done|c: connecting");
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[2].outcome, Outcome::Cancelled) << results[2].reason;
    EXPECT_EQ(FileBytes(world.home() / "a" / kSettingsFile), "new");
    EXPECT_EQ(FileBytes(world.home() / "c" / kSettingsFile), "old");
    EXPECT_FALSE(dialog.isVisible());
}

// A host whose key is unknown: the question shows the fingerprint, a No
// trusts nothing, a Yes writes known_hosts and the next test reaches it.
TEST_F(WithSshWorld, TestConnection_UnknownHostKey_TrustedOnlyAfterYes)
{
    world.ForgetHostKey(0);
    const std::string before = world.Read("known_hosts");
    AddServerDialog dialog(nullptr);
    dialog.nameField().setText("eu1");
    dialog.urlField().setText("sftp://bfv/~");
    QString question;
    const auto answer = [&question](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [&question, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            question = box->text();
            box->button(button)->click();
        });
    };
    // The question comes once the check has come back, a few event loops later.
    const auto answerWhenAsked = [&](QMessageBox::StandardButton button) {
        auto* poll = new QTimer(&dialog);
        QObject::connect(poll, &QTimer::timeout, [poll, &answer, button] {
            if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) == nullptr)
                return;
            poll->stop();
            answer(button);
        });
        poll->start(20);
    };

    answerWhenAsked(QMessageBox::No);
    dialog.TestConnection();
    EXPECT_TRUE(question.contains(QString::fromStdString(world.Fingerprint(0))))
        << question.toStdString();
    EXPECT_EQ(world.Read("known_hosts"), before);

    answerWhenAsked(QMessageBox::Yes);
    dialog.TestConnection();
    EXPECT_EQ(dialog.status().text().toStdString(), "The host key is trusted.");
    dialog.TestConnection();
    EXPECT_EQ(dialog.status().text().toStdString(), "reachable");
}

// A publish that ends while the tooltip's fetch from a server is under way
// asks again: the fetch may have read the file before the publish replaced
// it, so a second answer follows the first, from the file as it is now.
TEST_F(WithSshWorld, ServerHoldings_AskedWhileAsking_AnsweredAgainAfterTheFirstAnswer)
{
    fs::create_directories(world.home() / "a" / kSettingsFile.parent_path());
    world.Write(world.home() / "a" / kSettingsFile, "tuned there");
    const PublishDestination server
        = LocationDestination(*ParseLocation("sftp://bfv/~/a").location);
    ServerHoldings holdings;
    int answers = 0;
    QObject::connect(&holdings, &ServerHoldings::Answered, [&answers] { ++answers; });

    world.server(0).Signal(SIGSTOP);
    holdings.Ask({server});
    fs::remove(world.home() / "a" / kSettingsFile);
    holdings.Ask({server});
    world.server(0).Signal(SIGCONT);
    EXPECT_TRUE(QTest::qWaitFor([&answers] { return answers == 2; }, 20000)) << answers;
    EXPECT_EQ(holdings.TextOf(server), "no CustomCombat.wst");
    QTest::qWait(200);
    EXPECT_EQ(answers, 2);
}
