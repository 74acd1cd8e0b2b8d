#include "ChildProcess.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr const char* kDesktopEntry = "share/applications/" QUAVEL_APPLICATION_ID ".desktop";
constexpr const char* kBashCompletion = "share/bash-completion/completions/quavel-cli";
constexpr const char* kFishCompletion = "share/fish/vendor_completions.d/quavel-cli.fish";
constexpr int kIconSizes[] = {16, 32, 48};  // the fixed-size icons in the hicolor theme

QString IconFile(int size)
{
    return QStringLiteral("share/icons/hicolor/%1x%1/apps/" QUAVEL_APPLICATION_ID ".png").arg(size);
}

// Every file an install puts down, relative to its prefix; zshFolder is
// where zsh reads packages' completions under that prefix.
QStringList InstalledFiles(const QString& zshFolder)
{
    QStringList files{"bin/quavel", "bin/quavel-cli", kDesktopEntry,
        "share/metainfo/" QUAVEL_APPLICATION_ID ".metainfo.xml",
        "share/icons/hicolor/scalable/apps/" QUAVEL_APPLICATION_ID ".svg",
        "share/mime/packages/" QUAVEL_APPLICATION_ID ".xml", "share/man/man1/quavel.1.gz",
        "share/man/man1/quavel-cli.1.gz", "share/doc/quavel/copyright",
        "share/doc/quavel/changelog.gz", kBashCompletion, kFishCompletion,
        zshFolder + "/_quavel-cli"};
    for (int size : kIconSizes)
        files.append(IconFile(size));
    return files;
}

QByteArray ReadAll(const QString& file)
{
    QFile stream(file);
    return stream.open(QIODevice::ReadOnly) ? stream.readAll() : QByteArray("<missing>");
}

// Each test installs the build into a prefix of its own, as a packager would.
class InstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prefix_.isValid());
        const ChildResult result = RunChild(QStringLiteral(QUAVEL_CMAKE),
            {"--install", QUAVEL_BUILD_DIR, "--prefix", prefix_.path()});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    }

    QString Installed(const QString& file) const { return prefix_.filePath(file); }

    QTemporaryDir prefix_;
};

TEST_F(InstallTest, PutsDownTheProgramsAndTheirFilesAndNothingElse)
{
    QStringList installed;
    for (QDirIterator entry(prefix_.path(), QDir::Files, QDirIterator::Subdirectories);
         entry.hasNext();)
        installed.append(entry.next().mid(prefix_.path().size() + 1));
    installed.sort();
    QStringList expected = InstalledFiles("share/zsh/site-functions");
    expected.sort();
    EXPECT_EQ(installed, expected);

    // The installed programs run, without a display too.
    for (const QString program : {"quavel", "quavel-cli"}) {
        const ChildResult result
            = RunChild(Installed("bin/" + program), {"--version"}, EnvironmentWithoutDisplay());
        EXPECT_EQ(result.out,
            program.toUtf8() + " " QUAVEL_VERSION "\n" QUAVEL_COPYRIGHT "\n" QUAVEL_LICENSE "\n");
    }
    for (int size : kIconSizes)
        EXPECT_EQ(QImage(Installed(IconFile(size)), "PNG").size(), QSize(size, size));
    // The validators check the form; these are what the build fills in.
    EXPECT_TRUE(ReadAll(Installed(kDesktopEntry)).contains("\nIcon=" QUAVEL_APPLICATION_ID "\n"));
    EXPECT_TRUE(ReadAll(Installed("share/metainfo/" QUAVEL_APPLICATION_ID ".metainfo.xml"))
                    .contains("<releases>\n    <release version=\"" QUAVEL_VERSION "\""));
}

// Debian's validators, manual reader and shells, each where installed, accept
// what was installed: silent on errors, and their output matches the pattern.
TEST_F(InstallTest, ValidatorsManualPagesAndShellCompletionsAcceptTheInstall)
{
    struct Check {
        QString program;
        QStringList arguments;
        const char* package;
        QString out;
    };
    const QString manual = "share/man/man1/%1.1.gz";
    const Check checks[] = {
        {"desktop-file-validate", {Installed(kDesktopEntry)}, "desktop-file-utils", ""},
        {"appstreamcli", {"validate-tree", "--no-net", prefix_.path()}, "appstream", "(?!.*W:).*"},
        {"update-mime-database", {Installed("share/mime")}, "shared-mime-info", ""},
        {"man", {"--warnings", "-l", Installed(manual.arg("quavel"))}, "man-db", ".*SYNOPSIS.*"},
        {"man", {"--warnings", "-l", Installed(manual.arg("quavel-cli"))}, "man-db",
            ".*SYNOPSIS.*"},
        // The completions ask the installed tool for set's keys.
        {"bash",
            {"-c",
                QString("source %1 && complete -p quavel-cli && COMP_WORDS=(quavel-cli set A "
                        "red.te) COMP_CWORD=3; _quavel_cli; echo ${COMPREPLY[*]}")
                    .arg(Installed(kBashCompletion))},
            "bash", "complete -F _quavel_cli quavel-cli\nred.team=\n"},
        {"zsh", {"-n", Installed("share/zsh/site-functions/_quavel-cli")}, "zsh", ""},
        {"fish",
            {"-c",
                QString("source %1; complete -C 'quavel-cli set A red.team=U'")
                    .arg(Installed(kFishCompletion))},
            "fish", "red.team=USArmy\nred.team=USMarine\n"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", Installed("bin") + ':' + environment.value("PATH"));
    environment.insert("MANWIDTH", "80");
    // Else update-mime-database notes that the prefix is not where programs look.
    environment.insert("XDG_DATA_DIRS", Installed("share"));
    QStringList missing;
    for (const Check& check : checks) {
        const QString program = QStandardPaths::findExecutable(check.program);
        if (program.isEmpty()) {
            missing.append(check.program + " (package " + check.package + ")");
            continue;
        }
        const ChildResult result = RunChild(program, check.arguments, environment, prefix_.path());
        const QRegularExpression out(QRegularExpression::anchoredPattern(check.out),
            QRegularExpression::DotMatchesEverythingOption);
        const std::string name = (check.program + ' ' + check.arguments.join(' ')).toStdString();
        EXPECT_EQ(result.exitCode, 0) << name;
        EXPECT_EQ(result.err, "") << name;
        EXPECT_TRUE(out.match(QString::fromUtf8(result.out)).hasMatch())
            << name << "\nout: " << result.out.toStdString();
    }
    if (!missing.isEmpty())
        GTEST_SKIP() << "not installed: " << missing.join(", ").toStdString();
}

TEST_F(InstallTest, FileTypeKnowsProfilesByNameAndByContent)
{
    ASSERT_EQ(RunChild("update-mime-database", {Installed("share/mime")}).exitCode, 0);
    // Read before the first use of the database in this process.
    qputenv("XDG_DATA_DIRS", Installed("share").toUtf8());
    const QTemporaryDir folder;
    QFile renamed(folder.filePath("renamed"));
    ASSERT_TRUE(renamed.open(QIODevice::WriteOnly));
    renamed.write("<?xml version=\"1.0\"?>\n<WRAPPER_TREE VERS=\"1.1\">\n\t<gameMode ");
    renamed.close();
    const QMimeDatabase types;
    EXPECT_EQ(types.mimeTypeForFile("Weekend.wst", QMimeDatabase::MatchExtension).name(),
        "application/x-quavel-profile");
    EXPECT_EQ(types.mimeTypeForFile(renamed.fileName(), QMimeDatabase::MatchContent).name(),
        "application/x-quavel-profile");
}

TEST_F(InstallTest, DebianPackageHoldsTheInstallAndNamesItsLibraries)
{
    for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is not installed (package dpkg-dev)";
    }
    // Packs an install of the build with the project's package settings. A plain
    // cpack run would first bring the whole build up to date, which takes long
    // and, on an incomplete build, compiles everything.
    const QTemporaryDir output;
    const QString root = output.filePath(QStringLiteral("root"));
    const ChildResult installed = RunChild(QStringLiteral(QUAVEL_CMAKE),
        {"--install", QUAVEL_BUILD_DIR, "--strip", "--prefix", root + "/usr"});
    ASSERT_EQ(installed.exitCode, 0) << installed.err.toStdString();
    const ChildResult packed = RunChild(QStringLiteral(QUAVEL_CPACK),
        {"--config", QUAVEL_BUILD_DIR "/CPackConfig.cmake", "-G", "DEB", "-B", output.path(), "-D",
            "CPACK_INSTALL_CMAKE_PROJECTS=", "-D", "CPACK_INSTALLED_DIRECTORIES=" + root + ";."});
    ASSERT_EQ(packed.exitCode, 0) << packed.out.toStdString() << packed.err.toStdString();
    const QStringList packages = QDir(output.path()).entryList({"*.deb"}, QDir::Files);
    ASSERT_EQ(packages.size(), 1);
    const QString package = output.filePath(packages.front());

    // Debian's tools show the extended description as it is, so it must come wrapped.
    const QByteArray fields = RunChild(QStringLiteral("dpkg-deb"),
        {"--field", package, "Package", "Version", "Section", "Description"})
                                  .out;
    EXPECT_TRUE(fields.startsWith(
        "Package: quavel\nVersion: " QUAVEL_VERSION "\nSection: utils\nDescription: "));
    EXPECT_GT(fields.count('\n'), 5);
    for (const QByteArray& line : fields.split('\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
    // Each library by its package name, whatever version it asks for.
    const QString depends = QString::fromUtf8(
        RunChild(QStringLiteral("dpkg-deb"), {"--field", package, "Depends"}).out);
    for (const char* library : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libpugixml1v5",
             "qt6-qpa-plugins", "libc6", "libstdc++6"})
        EXPECT_TRUE(depends.contains(QRegularExpression(
            QString("(^|, )%1( |,|$)").arg(QRegularExpression::escape(library)))))
            << library << " in " << depends.toStdString();

    const QString contents
        = QString::fromUtf8(RunChild(QStringLiteral("dpkg-deb"), {"--contents", package}).out);
    for (const QString& file : InstalledFiles("share/zsh/vendor-completions")) {
        const QString mode = file.startsWith("bin/") ? "-rwxr-xr-x" : "-rw-r--r--";
        const QRegularExpression line(
            '^' + mode + " root/root .* \\./usr/" + QRegularExpression::escape(file) + '$',
            QRegularExpression::MultilineOption);
        EXPECT_TRUE(line.match(contents).hasMatch()) << file.toStdString();
    }
}

}  // namespace
