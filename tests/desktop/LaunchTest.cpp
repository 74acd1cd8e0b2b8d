#include "ChildProcess.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kNoDisplay = "quavel: no display to open the window on "
                                   "(WAYLAND_DISPLAY is not set; DISPLAY is not set)\n";

// Everything below the folder, relative to it, sorted.
QStringList Contents(const QString& folder)
{
    QStringList contents;
    for (QDirIterator entry(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
             QDirIterator::Subdirectories);
         entry.hasNext();)
        contents.append(QDir(folder).relativeFilePath(entry.next()));
    contents.sort();
    return contents;
}

// Each case runs the real program without a display in a world of its own:
// home/, the working folder work/ and games/ holding the profile A.wst.
TEST(LaunchTest, AnswersRefusesOrEntersItsFolderBeforeLookingForADisplay)
{
    struct Case {
        QStringList arguments;
        // XDG_DATA_HOME, below the world when it starts with "/", else as it is;
        // empty: unset.
        QString dataHome;
        int exitCode;
        QByteArray outStart;
        QByteArray err;  // the start of the error stream; the whole of it ends there
        QStringList created = {};
    };
    const QByteArray version = "quavel " QUAVEL_VERSION "\nCopyright (C) ";
    const Case cases[] = {
        {{"--help"}, {}, 0, "Usage: quavel [--menu] [--prefix PATH] [+bvrm] [PATH/NAME.wst]\n", ""},
        {{"+bvrm", "--version"}, {}, 0, version, ""},
        {{"--bogus", "--help"}, {}, 2, "", "quavel: unknown option --bogus (see quavel --help)\n"},
        {{"notes.txt"}, {}, 2, "", "quavel: not a profile file (NAME.wst): notes.txt (see "},
        {{"--menu"}, {}, 1, "", kNoDisplay,
            {"home/.local", "home/.local/share", "home/.local/share/quavel"}},
        {{"--menu"}, "/data", 1, "", kNoDisplay, {"data", "data/quavel"}},
        // A relative XDG_DATA_HOME counts as unset.
        {{"--menu"}, "data", 1, "", kNoDisplay,
            {"home/.local", "home/.local/share", "home/.local/share/quavel"}},
        {{"--menu"}, "/games/A.wst", 1, "", "quavel: cannot create the folder "},
        {{"--menu", "../games/A.wst"}, {}, 1, "", kNoDisplay},
        {{"../missing/A.wst"}, {}, 1, "", "quavel: cannot enter the folder ../missing: "},
        {{"../games/B.wst"}, {}, 1, "", "quavel: no profile file ../games/B.wst\n"},
        {{"../games/A.wst", "A.wst"}, {}, 2, "", "quavel: more than one profile file named: "},
        // Toolkit options pass with their values.
        {{"-style", "fusion", "-reverse", "+bvrm"}, {}, 1, "", kNoDisplay},
    };
    for (const Case& c : cases) {
        const QTemporaryDir world;
        for (const char* folder : {"home", "work", "games"})
            QDir(world.path()).mkdir(folder);
        QFile profile(world.filePath("games/A.wst"));
        ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
        QProcessEnvironment environment = EnvironmentWithoutDisplay();
        environment.insert("HOME", world.filePath("home"));
        environment.remove("XDG_DATA_HOME");
        if (!c.dataHome.isEmpty())
            environment.insert("XDG_DATA_HOME",
                c.dataHome.startsWith('/') ? world.path() + c.dataHome : c.dataHome);

        const ChildResult result = RunChild(
            QStringLiteral(QUAVEL_EXECUTABLE), c.arguments, environment, world.filePath("work"));

        const std::string name
            = c.arguments.join(' ').toStdString() + " " + c.dataHome.toStdString();
        EXPECT_EQ(result.exitCode, c.exitCode) << name;
        EXPECT_TRUE(result.out.startsWith(c.outStart)) << name << ": " << result.out.toStdString();
        EXPECT_TRUE(result.err.startsWith(c.err)) << name << ": " << result.err.toStdString();
        EXPECT_LE(result.err.count('\n'), 1) << name;
        QStringList expected{"games", "games/A.wst", "home", "work"};
        expected.append(c.created);
        expected.sort();
        EXPECT_EQ(Contents(world.path()), expected) << name;
        // The folders a start from the menu makes are private to the user.
        for (const QString& created : c.created) {
            const auto mode = std::filesystem::status(world.filePath(created).toStdString());
            EXPECT_EQ(mode.permissions() & std::filesystem::perms::mask,
                std::filesystem::perms::owner_all)
                << name << ": " << created.toStdString();
        }
    }
}

}  // namespace
