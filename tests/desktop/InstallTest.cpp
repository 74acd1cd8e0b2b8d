#include "ChildProcess.h"
#include "InstalledFiles.h"

#include "app/Pictures.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

QByteArray ReadAll(const QString& file)
{
    QFile stream(file);
    return stream.open(QIODevice::ReadOnly) ? stream.readAll() : QByteArray("<missing>");
}

// The keys of the desktop entry's main group.
std::map<QString, QString> DesktopEntryKeys(const QByteArray& entry)
{
    std::map<QString, QString> keys;
    bool mainGroup = false;
    for (const QByteArray& line : entry.split('\n')) {
        if (line.startsWith('['))
            mainGroup = line == "[Desktop Entry]";
        const qsizetype equals = line.indexOf('=');
        if (mainGroup && !line.startsWith('#') && equals > 0)
            keys[QString::fromUtf8(line.left(equals))] = QString::fromUtf8(line.mid(equals + 1));
    }
    return keys;
}

struct MetainfoFacts {
    QString id;
    QString launchable;
    QString newestRelease;  // releases are listed newest first
};

MetainfoFacts ReadMetainfo(const QByteArray& metainfo)
{
    MetainfoFacts facts;
    QXmlStreamReader reader(metainfo);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"id")
            facts.id = reader.readElementText();
        else if (reader.name() == u"launchable")
            facts.launchable = reader.readElementText();
        else if (reader.name() == u"release" && facts.newestRelease.isEmpty())
            facts.newestRelease = reader.attributes().value(QStringLiteral("version")).toString();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return facts;
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

TEST_F(InstallTest, PutsDownTheProgramsAndTheDesktopFilesAndNothingElse)
{
    QStringList installed;
    for (QDirIterator entry(prefix_.path(), QDir::Files, QDirIterator::Subdirectories);
         entry.hasNext();)
        installed.append(entry.next().mid(prefix_.path().size() + 1));
    installed.sort();
    QStringList expected = InstalledFiles();
    expected.sort();
    EXPECT_EQ(installed, expected);

    for (const char* program : {"bin/quavel", "bin/quavel-cli"})
        EXPECT_TRUE(QFile::permissions(Installed(program)).testFlag(QFile::ExeOther)) << program;
}

TEST_F(InstallTest, IconsAreTheWindowsOwnPicture)
{
    for (int size : kIconSizes) {
        const QImage icon(Installed(IconFile(size)), "PNG");
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32),
            IconImage(size).convertToFormat(QImage::Format_ARGB32))
            << size;
    }
    EXPECT_EQ(ReadAll(Installed(ScalableIconFile())), ReadAll(QStringLiteral(QUAVEL_ICON_SVG)));
}

TEST_F(InstallTest, DesktopEntryStartsTheProgramInItsOwnFolder)
{
    const std::map<QString, QString> keys
        = DesktopEntryKeys(ReadAll(Installed(DesktopEntryFile())));
    const std::map<QString, QString> expected{
        {"Type", "Application"},
        {"Name", "Quavel"},
        {"Exec", "quavel --menu"},
        {"TryExec", "quavel"},
        {"Icon", QUAVEL_APPLICATION_ID},
        {"Terminal", "false"},
        {"StartupWMClass", "quavel"},
    };
    for (const auto& [key, value] : expected) {
        ASSERT_TRUE(keys.contains(key)) << key.toStdString();
        EXPECT_EQ(keys.at(key), value) << key.toStdString();
    }
}

TEST_F(InstallTest, MetainfoNamesTheEntryAndThisVersionAsTheNewestRelease)
{
    const MetainfoFacts facts = ReadMetainfo(ReadAll(Installed(MetainfoFile())));
    EXPECT_EQ(facts.id, QUAVEL_APPLICATION_ID);
    EXPECT_EQ(facts.launchable, QUAVEL_APPLICATION_ID ".desktop");
    EXPECT_EQ(facts.newestRelease, QUAVEL_VERSION);
}

TEST_F(InstallTest, DesktopEntryPassesDesktopFileValidate)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (program.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (package desktop-file-utils)";
    const ChildResult result = RunChild(program, {Installed(DesktopEntryFile())});
    EXPECT_EQ(result.exitCode, 0);
    // Warnings and hints leave the exit status alone; any line is one.
    EXPECT_EQ(result.out + result.err, "");
}

TEST_F(InstallTest, MetainfoAndTheInstalledTreePassAppstreamValidation)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (program.isEmpty())
        GTEST_SKIP() << "appstreamcli is not installed (package appstream)";
    const QStringList checks[] = {
        {"validate", "--no-net", Installed(MetainfoFile())},
        // The whole tree: the metainfo with the desktop entry and icons it names.
        {"validate-tree", "--no-net", prefix_.path()},
    };
    for (const QStringList& arguments : checks) {
        const ChildResult result = RunChild(program, arguments);
        EXPECT_EQ(result.exitCode, 0) << result.out.toStdString();
        EXPECT_FALSE(result.out.contains("W:")) << result.out.toStdString();
    }
}

TEST_F(InstallTest, InstalledProgramsTellTheirVersionWithoutADisplay)
{
    const std::pair<const char*, QByteArray> programs[] = {
        {"bin/quavel", "quavel " QUAVEL_VERSION "\n"},
        {"bin/quavel-cli", "quavel-cli " QUAVEL_VERSION "\n"},
    };
    for (const auto& [program, version] : programs) {
        const ChildResult result
            = RunChild(Installed(program), {"--version"}, EnvironmentWithoutDisplay());
        EXPECT_EQ(result.exitCode, 0) << program;
        EXPECT_EQ(result.out, version) << program;
    }
}

}  // namespace
