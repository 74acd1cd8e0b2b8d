#include "ChildProcess.h"
#include "InstalledFiles.h"

#include "app/Pictures.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <span>

namespace {

QByteArray ReadAll(const QString& file)
{
    QFile stream(file);
    return stream.open(QIODevice::ReadOnly) ? stream.readAll() : QByteArray("<missing>");
}

// A check by a program from a Debian package: its arguments and a test of
// what it printed.
struct ToolCheck {
    QString program;
    QStringList arguments;
    const char* package;
    bool (*printedWell)(const QByteArray& out, const QByteArray& err);
};

bool PrintedNothing(const QByteArray& out, const QByteArray& err)
{
    return out.isEmpty() && err.isEmpty();
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

    // Runs each check whose program is installed; names the missing ones.
    void RunChecks(std::span<const ToolCheck> checks,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) const
    {
        QStringList missing;
        for (const ToolCheck& check : checks) {
            const QString program = QStandardPaths::findExecutable(check.program);
            if (program.isEmpty()) {
                missing.append(check.program + " (package " + check.package + ")");
                continue;
            }
            const ChildResult result
                = RunChild(program, check.arguments, environment, prefix_.path());
            const std::string name
                = (check.program + ' ' + check.arguments.join(' ')).toStdString();
            EXPECT_EQ(result.exitCode, 0) << name << '\n' << result.err.toStdString();
            EXPECT_TRUE(check.printedWell(result.out, result.err))
                << name << "\nout: " << result.out.toStdString()
                << "\nerr: " << result.err.toStdString();
        }
        if (!missing.isEmpty())
            GTEST_SKIP() << "not installed: " << missing.join(", ").toStdString();
    }

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

    for (const char* program : {"bin/quavel", "bin/quavel-cli"})
        EXPECT_TRUE(QFile::permissions(Installed(program)).testFlag(QFile::ExeOther)) << program;
    for (int size : kIconSizes) {
        const QImage icon(Installed(IconFile(size)), "PNG");
        EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32),
            IconImage(size).convertToFormat(QImage::Format_ARGB32))
            << size;
    }
    EXPECT_EQ(ReadAll(Installed(kScalableIcon)), ReadAll(QStringLiteral(QUAVEL_ICON_SVG)));
}

// The validators check the form; these lines are what the build fills in.
TEST_F(InstallTest, DesktopEntryAndMetainfoNameTheProgramItsFilesAndItsLicence)
{
    const std::pair<const char*, QByteArray> expected[] = {
        {kDesktopEntry, "\nExec=quavel --menu %f\n"},
        {kDesktopEntry, "\nMimeType=application/x-quavel-profile;\n"},
        {kDesktopEntry, "\nIcon=" QUAVEL_APPLICATION_ID "\n"},
        {kMetainfo, "<id>" QUAVEL_APPLICATION_ID "</id>"},
        {kMetainfo, "<launchable type=\"desktop-id\">" QUAVEL_APPLICATION_ID ".desktop<"},
        {kMetainfo, "<project_license>MIT</project_license>"},
        {kMetainfo, "<releases>\n    <release version=\"" QUAVEL_VERSION "\""},
        {kMetainfo, "<mediatype>application/x-quavel-profile</mediatype>"},
    };
    for (const auto& [file, text] : expected)
        EXPECT_TRUE(ReadAll(Installed(file)).contains(text)) << file << ": " << text.toStdString();
}

TEST_F(InstallTest, ValidatorsAcceptTheDesktopFiles)
{
    const ToolCheck checks[] = {
        {"desktop-file-validate", {Installed(kDesktopEntry)}, "desktop-file-utils", PrintedNothing},
        {"appstreamcli", {"validate-tree", "--no-net", prefix_.path()}, "appstream",
            [](const QByteArray& out, const QByteArray&) { return !out.contains("W:"); }},
        {"update-mime-database", {Installed("share/mime")}, "shared-mime-info", PrintedNothing},
    };
    // Else update-mime-database notes that the prefix is not where programs look.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_DIRS", Installed("share"));
    RunChecks(checks, environment);
}

TEST_F(InstallTest, ManualPagesRenderAndCompletionsLoadInTheirShells)
{
    // The completions ask the installed tool for set's keys.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", Installed("bin") + ':' + environment.value("PATH"));
    environment.insert("MANWIDTH", "80");
    const auto rendered = [](const QByteArray& out, const QByteArray& err) {
        return out.contains("SYNOPSIS") && err.isEmpty();
    };
    const ToolCheck checks[] = {
        {"man", {"--warnings", "-l", Installed("share/man/man1/quavel.1.gz")}, "man-db", rendered},
        {"man", {"--warnings", "-l", Installed("share/man/man1/quavel-cli.1.gz")}, "man-db",
            rendered},
        {"bash",
            {"-c",
                QString("source %1 && complete -p quavel-cli && COMP_WORDS=(quavel-cli set A "
                        "red.te) COMP_CWORD=3; _quavel_cli; echo ${COMPREPLY[*]}")
                    .arg(Installed(kBashCompletion))},
            "bash",
            [](const QByteArray& out, const QByteArray&) {
                return out == "complete -F _quavel_cli quavel-cli\nred.team=\n";
            }},
        {"zsh", {"-n", Installed("share/zsh/site-functions/_quavel-cli")}, "zsh", PrintedNothing},
        {"fish",
            {"-c",
                QString("source %1; complete -C 'quavel-cli set A red.team=U'")
                    .arg(Installed(kFishCompletion))},
            "fish",
            [](const QByteArray& out, const QByteArray&) {
                return out == "red.team=USArmy\nred.team=USMarine\n";
            }},
    };
    RunChecks(checks, environment);
}

TEST_F(InstallTest, FileTypeKnowsProfilesByNameAndByContent)
{
    ASSERT_EQ(RunChild("update-mime-database", {Installed("share/mime")}).exitCode, 0);
    // Read before the first use of the database in this process.
    qputenv("XDG_DATA_DIRS", Installed("share").toUtf8());
    const QTemporaryDir folder;
    const std::pair<QString, QByteArray> files[] = {
        {"Weekend.wst", ""},
        {"renamed", "<?xml version=\"1.0\"?>\n<WRAPPER_TREE VERS=\"1.1\">\n\t<gameMode "},
    };
    for (const auto& [name, bytes] : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        EXPECT_EQ(
            QMimeDatabase().mimeTypeForFile(file.fileName()).name(), "application/x-quavel-profile")
            << name.toStdString();
    }
}

TEST_F(InstallTest, InstalledProgramsTellVersionAndLicenceWithoutADisplay)
{
    for (const char* program : {"quavel", "quavel-cli"}) {
        const ChildResult result = RunChild(
            Installed(QString("bin/") + program), {"--version"}, EnvironmentWithoutDisplay());
        EXPECT_EQ(result.exitCode, 0) << program;
        EXPECT_EQ(result.out,
            QByteArray(program)
                + " " QUAVEL_VERSION "\n" QUAVEL_COPYRIGHT "\n" QUAVEL_LICENSE "\n");
    }
}

}  // namespace
