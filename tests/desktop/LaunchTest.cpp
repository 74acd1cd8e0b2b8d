#include "ChildProcess.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr const char* kNoDisplay = "quavel: no display to open the window on "
                                   "(WAYLAND_DISPLAY is not set; DISPLAY is not set)\n";

// A home folder and a working folder of the test's own, the environment
// pointing at them and reaching no display.
class LaunchTest : public ::testing::Test {
protected:
    LaunchTest()
    {
        QDir(temporary_.path()).mkdir(QStringLiteral("home"));
        QDir(temporary_.path()).mkdir(QStringLiteral("work"));
        environment_.insert(QStringLiteral("HOME"), home());
        environment_.remove(QStringLiteral("XDG_DATA_HOME"));
    }

    QString home() const { return temporary_.filePath(QStringLiteral("home")); }
    QString work() const { return temporary_.filePath(QStringLiteral("work")); }

    ChildResult Run(const QStringList& arguments) const
    {
        return RunChild(QStringLiteral(QUAVEL_EXECUTABLE), arguments, environment_, work());
    }

    // Everything below the folder, relative to it.
    static QStringList Contents(const QString& folder)
    {
        QStringList contents;
        const QDir root(folder);
        for (const QFileInfo& entry : root.entryInfoList(
                 QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
            contents.append(entry.fileName());
            for (const QString& inner : Contents(entry.filePath()))
                contents.append(entry.fileName() + '/' + inner);
        }
        return contents;
    }

    QTemporaryDir temporary_;
    QProcessEnvironment environment_ = EnvironmentWithoutDisplay();
};

TEST_F(LaunchTest, HelpAndVersionAnswerWithoutADisplayAndTouchNoFolder)
{
    const QByteArray usage = "Usage: quavel [--menu] [--prefix PATH] [+bvrm]\n";
    const QByteArray version = "quavel " QUAVEL_VERSION "\n";
    struct Case {
        QStringList arguments;
        QByteArray start;
    };
    const Case cases[] = {
        {{"--help"}, usage},
        {{"-h"}, usage},
        {{"--menu", "--help"}, usage},
        {{"--version", "--help"}, usage},
        {{"--version"}, version},
        {{"+bvrm", "--version"}, version},
        {{"--menu", "--version"}, version},
    };
    for (const Case& c : cases) {
        const ChildResult result = Run(c.arguments);
        const QString name = c.arguments.join(' ');
        EXPECT_EQ(result.exitCode, 0) << name.toStdString();
        EXPECT_TRUE(result.out.startsWith(c.start)) << result.out.toStdString();
        EXPECT_EQ(result.err, "") << name.toStdString();
    }
    EXPECT_EQ(Run({"--version"}).out, version);
    EXPECT_EQ(Contents(temporary_.path()), QStringList({"home", "work"}));
}

TEST_F(LaunchTest, MenuLaunchCreatesItsFolderBeforeLookingForADisplay)
{
    struct Case {
        const char* name;
        QString dataHome;  // empty: XDG_DATA_HOME unset
        QString folder;
    };
    const Case cases[] = {
        {"under the home folder", {}, "home/.local/share/quavel"},
        {"under the data home", temporary_.filePath("data"), "data/quavel"},
    };
    for (const Case& c : cases) {
        if (!c.dataHome.isEmpty())
            environment_.insert(QStringLiteral("XDG_DATA_HOME"), c.dataHome);
        const ChildResult result = Run({"--menu"});
        EXPECT_EQ(result.exitCode, 1) << c.name;
        EXPECT_EQ(result.err, kNoDisplay) << c.name;
        EXPECT_TRUE(QDir(temporary_.filePath(c.folder)).exists()) << c.name;
        EXPECT_TRUE(Contents(temporary_.filePath(c.folder)).isEmpty()) << c.name;
    }
    EXPECT_TRUE(Contents(work()).isEmpty());
}

TEST_F(LaunchTest, TerminalLaunchLeavesTheHomeFolderAlone)
{
    const ChildResult result = Run({"+bvrm"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, kNoDisplay);
    EXPECT_EQ(Contents(temporary_.path()), QStringList({"home", "work"}));
}

TEST_F(LaunchTest, MenuLaunchFailsInOneLineWhenItsFolderCannotBeMade)
{
    const QString blocker = temporary_.filePath(QStringLiteral("data"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    environment_.insert(QStringLiteral("XDG_DATA_HOME"), blocker);

    const ChildResult result = Run({"--menu"});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(
        result.err.startsWith("quavel: cannot create the folder " + blocker.toUtf8() + ": "))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.endsWith('\n'));
    EXPECT_EQ(result.err.count('\n'), 1);
    EXPECT_TRUE(Contents(work()).isEmpty());
}

}  // namespace
