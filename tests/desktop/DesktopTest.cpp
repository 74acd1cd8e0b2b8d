// The desktop integration runs the real programs, the real install with the
// desktop's validators, and the real package build. lintian, run on the
// packages when a release is built, checks the manual pages, the AppStream
// data, the control fields and the files' modes; these tests check what it
// does not. CompletionTest.cpp loads the completions in their shells.
#include "RunChild.h"

#include <QDir>
#include <QDirIterator>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// This process's environment without any way to reach a display, as on a
// server reached over SSH.
QProcessEnvironment EnvironmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// Every file and folder below the folder, relative to it, sorted.
QStringList Contents(const QString& folder, QDir::Filters filters)
{
    QStringList contents;
    for (QDirIterator entry(folder, filters | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         entry.hasNext();)
        contents.append(QDir(folder).relativeFilePath(entry.next()));
    contents.sort();
    return contents;
}

constexpr const char* kDesktopEntry = "share/applications/" QUAVEL_APPLICATION_ID ".desktop";
constexpr const char* kMetainfo = "share/metainfo/" QUAVEL_APPLICATION_ID ".metainfo.xml";

// The files of quavel-cli's package, relative to the prefix; zshFolder is where
// zsh reads packages' completions under that prefix. The package holds the
// catalogue of each language, which the window's package shares.
QStringList ToolFiles(const QString& zshFolder)
{
    QStringList files{"bin/quavel-cli", "libexec/quavel/quavel-askpass",
        "share/man/man1/quavel-cli.1.gz", "share/doc/quavel-cli/copyright",
        "share/doc/quavel-cli/changelog.gz", "share/bash-completion/completions/quavel-cli",
        "share/fish/vendor_completions.d/quavel-cli.fish", zshFolder + "/_quavel-cli"};
    for (const QString& language : QStringLiteral(QUAVEL_LANGUAGES).split(' '))
        files.append("share/locale/" + language + "/LC_MESSAGES/quavel.mo");
    return files;
}

// The files of quavel's package, the window's.
QStringList WindowFiles()
{
    QStringList files{"bin/quavel", kDesktopEntry, kMetainfo,
        "share/icons/hicolor/scalable/apps/" QUAVEL_APPLICATION_ID ".svg",
        "share/mime/packages/" QUAVEL_APPLICATION_ID ".xml", "share/man/man1/quavel.1.gz",
        "share/doc/quavel/copyright", "share/doc/quavel/changelog.gz"};
    for (int size : {16, 32, 48})  // the fixed-size icons in the hicolor theme
        files.append(
            QString("share/icons/hicolor/%1x%1/apps/" QUAVEL_APPLICATION_ID ".png").arg(size));
    return files;
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

// Each test installs the build into a prefix of its own, as a packager would.
class InstallTest : public ::testing::Test {
protected:
    void Install()
    {
        ASSERT_TRUE(folder_.isValid());
        const ChildResult result = RunChild(QStringLiteral(QUAVEL_CMAKE),
            {"--install", QUAVEL_BUILD_DIR, "--strip", "--prefix", folder_.filePath("prefix")});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    }

    QString Installed(const QString& file) const { return folder_.filePath("prefix/" + file); }

    QTemporaryDir folder_;
};

TEST_F(InstallTest, PutsDownTheProgramsAndTheirFilesAndNothingElse)
{
    Install();
    EXPECT_EQ(Contents(Installed(""), QDir::Files),
        Sorted(ToolFiles("share/zsh/site-functions") + WindowFiles()));
    // The installed programs run, without a display too.
    for (const QString program : {"quavel", "quavel-cli"}) {
        const ChildResult result
            = RunChild(Installed("bin/" + program), {"--version"}, EnvironmentWithoutDisplay());
        EXPECT_EQ(result.out,
            program.toUtf8() + " " QUAVEL_VERSION "\n" QUAVEL_COPYRIGHT "\n" QUAVEL_LICENSE "\n");
    }
    // The validator checks the form; the build fills in the icon's name and
    // merges in each language's texts.
    const std::pair<QString, QString> translatedStarts[]
        = {{kDesktopEntry, "\nComment[%1]="}, {kMetainfo, "<summary xml:lang=\"%1\">"}};
    for (const auto& [file, start] : translatedStarts) {
        QFile merged(Installed(file));
        ASSERT_TRUE(merged.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(merged.readAll());
        if (file == kDesktopEntry) {
            EXPECT_TRUE(text.contains("\nIcon=" QUAVEL_APPLICATION_ID "\n"));
        }
        for (const QString& language : QStringLiteral(QUAVEL_LANGUAGES).split(' '))
            EXPECT_TRUE(text.contains(start.arg(language))) << start.toStdString();
    }
}

// The desktop's validators accept what was installed: silent on errors, and
// with the output expected. Then the file type knows profiles.
TEST_F(InstallTest, ValidatorsAndFileTypeAcceptTheInstall)
{
    Install();
    struct Check {
        QString program;
        QStringList arguments;
        QString out;
    };
    const Check checks[] = {
        {"desktop-file-validate", {Installed(kDesktopEntry)}, ""},
        {"appstreamcli", {"validate", "--no-net", Installed(kMetainfo)},
            "\u2714 Validation was successful.\n"},
        {"update-mime-database", {Installed("share/mime")}, ""},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Else update-mime-database notes that the prefix is not where programs look.
    environment.insert("XDG_DATA_DIRS", Installed("share"));
    // The validators' words in English, with appstreamcli's check mark in UTF-8.
    environment.insert("LC_ALL", "C.UTF-8");
    environment.remove("LANGUAGE");
    for (const Check& check : checks) {
        const ChildResult result = RunChild(check.program, check.arguments, environment);
        const std::string name = (check.program + ' ' + check.arguments.join(' ')).toStdString();
        EXPECT_EQ(result.exitCode, 0) << name;
        EXPECT_EQ(result.err, "") << name;
        EXPECT_EQ(result.out, check.out.toUtf8()) << name;
    }
    qputenv("XDG_DATA_DIRS", Installed("share").toUtf8());  // before the database's first use
    EXPECT_EQ(
        QMimeDatabase().mimeTypeForFile("Weekend.wst").name(), "application/x-quavel-profile");
}
// The regular files a package holds, relative to /usr, sorted.
QStringList PackageFiles(const QString& package)
{
    QStringList files;
    const QString listing
        = QString::fromUtf8(RunChild(QStringLiteral("dpkg-deb"), {"--contents", package}).out);
    for (const QString& line : listing.split('\n')) {
        if (line.startsWith('-'))
            files.append(line.section(" ./usr/", 1));
    }
    files.sort();
    return files;
}

// The build packed with the project's package settings: two packages, each
// with its program's files and the packages of the libraries it links, and
// quavel-cli's, which a server without a display installs, with no toolkit or
// font among them.
TEST(PackageTest, EachPackageHoldsItsProgramsFilesAndNamesWhatItNeeds)
{
#ifdef __SANITIZE_ADDRESS__
    // Nobody ships a sanitized build, and packing its large programs takes
    // longer than a test may; the Release build's tests pack the real ones.
    GTEST_SKIP() << "a sanitized build is not packaged";
#endif
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // cpack would first run the build's "preinstall" step, bringing the whole
    // build (every test included) up to date; under Ninja's name it has none.
    const ChildResult packed = RunChild(QStringLiteral(QUAVEL_CPACK),
        {"--config", QUAVEL_BUILD_DIR "/CPackConfig.cmake", "-G", "DEB", "-B", folder.path(), "-D",
            "CPACK_CMAKE_GENERATOR=Ninja"});
    ASSERT_EQ(packed.exitCode, 0) << packed.out.toStdString() << packed.err.toStdString();
    ASSERT_EQ(QDir(folder.path()).entryList({"*.deb"}, QDir::Files).size(), 2);

    struct Package {
        QString name;
        QStringList files;
        QStringList dependencies;  // each by its package name, whatever version it asks for
        QString excluded;          // what no dependency may name; empty: nothing
    };
    const Package packages[] = {
        {"quavel-cli", ToolFiles("share/zsh/vendor-completions"),
            {"libpugixml1v5", "libexpat1", "libc6", "libstdc++6"}, "qt|font"},
        {"quavel", WindowFiles(),
            {"quavel-cli (= " QUAVEL_VERSION ")", "libqt6widgets6", "libqt6gui6", "libqt6core6",
                "qt6-qpa-plugins", "fonts-liberation2"},
            ""},
    };
    for (const Package& package : packages) {
        const QStringList found
            = QDir(folder.path()).entryList({package.name + "_" QUAVEL_VERSION "_*.deb"});
        ASSERT_EQ(found.size(), 1) << package.name.toStdString();
        const QString file = folder.filePath(found.front());
        EXPECT_EQ(PackageFiles(file), Sorted(package.files)) << package.name.toStdString();

        const QString depends = QString::fromUtf8(
            RunChild(QStringLiteral("dpkg-deb"), {"--field", file, "Depends"}).out.trimmed());
        const QStringList entries = depends.split(", ");
        for (const QString& dependency : package.dependencies) {
            EXPECT_TRUE(std::ranges::any_of(entries,
                [&](const QString& entry) {
                    return entry == dependency || entry.startsWith(dependency + " (");
                }))
                << dependency.toStdString() << " in " << depends.toStdString();
        }
        if (!package.excluded.isEmpty()) {
            EXPECT_FALSE(depends.contains(
                QRegularExpression(package.excluded, QRegularExpression::CaseInsensitiveOption)))
                << depends.toStdString();
        }
    }
}

const QByteArray kNoDisplay = "quavel: no display to open the window on "
                              "(WAYLAND_DISPLAY is not set; DISPLAY is not set)\n";

// Each case runs the real program without a display in a world of its own:
// home/, the working folder work/ and games/ holding the profile A.wst. An
// argument the program does not know is ignored with a warning, and the
// program goes on to look for a display.
TEST(LaunchTest, AnswersWarnsOrEntersItsFolderBeforeLookingForADisplay)
{
    struct Case {
        QStringList arguments;
        // XDG_DATA_HOME, below the world when it starts with "/", else as it is;
        // empty: unset.
        QString dataHome;
        int exitCode;
        QByteArray outStart;
        // The error stream's lines; the last may be only the start of its line.
        QByteArray err;
        QStringList created = {};
        QString language = {};  // LANGUAGE; empty: English
    };
    const QStringList local{"home/.local", "home/.local/share", "home/.local/share/quavel"};
    const Case cases[] = {
        {{"--help"}, {}, 0, "Usage: quavel [--menu] [--prefix PATH] [+bvrm] [PATH/NAME.wst]\n", ""},
        {{"--bogus", "--help"}, {}, 0, "Usage: ", "quavel: ignoring unknown option --bogus\n"},
        {{"notes.txt"}, {}, 1, "",
            "quavel: ignoring notes.txt: not a profile file (NAME.wst)\n" + kNoDisplay},
        // Letter case counts: no restriction, and no argument the program knows.
        {{"+BVRM"}, {}, 1, "", "quavel: ignoring unknown option +BVRM\n" + kNoDisplay},
        {{"--prefix"}, {}, 1, "",
            "quavel: ignoring --prefix without its value PATH\n" + kNoDisplay},
        {{"--menu"}, {}, 1, "", kNoDisplay, local},
        {{"--menu"}, "/data", 1, "", kNoDisplay, {"data", "data/quavel"}},
        // A relative XDG_DATA_HOME counts as unset.
        {{"--menu"}, "data", 1, "", kNoDisplay, local},
        {{"--menu"}, "/games/A.wst", 1, "", "quavel: cannot create the folder "},
        {{"--menu", "../games/A.wst"}, {}, 1, "", kNoDisplay},
        {{"../missing/A.wst"}, {}, 1, "", "quavel: cannot enter the folder ../missing: "},
        {{"../games/B.wst"}, {}, 1, "", "quavel: no profile file ../games/B.wst\n"},
        // The first profile file is the one opened.
        {{"../games/A.wst", "B.wst", "--x"}, {}, 1, "",
            "quavel: ignoring B.wst: only one profile file is opened\n"
            "quavel: ignoring unknown option --x\n"
                + kNoDisplay},
        // Toolkit options pass with their values; the switch counts inside another argument.
        {{"-style", "fusion", "-reverse", "x+bvrmy"}, {}, 1, "", kNoDisplay},
        // In the user's language, with its typography.
        {{"--help"}, {}, 0,
            "Usage\u00a0: quavel [--menu] [--prefix CHEMIN] [+bvrm] [CHEMIN/NOM.wst]\n", "", {},
            "fr"},
        {{"notes.txt"}, {}, 1, "",
            "quavel: notes.txt wird ignoriert: keine Profildatei (NAME.wst)\nquavel: kein Display, "
            "auf dem sich das Fenster öffnen ließe (WAYLAND_DISPLAY ist nicht gesetzt; DISPLAY ist "
            "nicht gesetzt)\n",
            {}, "de"},
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
        environment.insert("LANG", "C.UTF-8");
        environment.insert("LANGUAGE", c.language);
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
        EXPECT_EQ(result.err.count('\n'),
            c.err.count('\n') + (c.err.isEmpty() || c.err.endsWith('\n') ? 0 : 1))
            << name << ": " << result.err.toStdString();
        QStringList expected = QStringList{"games", "games/A.wst", "home", "work"} + c.created;
        expected.sort();
        EXPECT_EQ(Contents(world.path(), QDir::AllEntries | QDir::Hidden), expected) << name;
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
