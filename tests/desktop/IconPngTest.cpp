#include "ChildProcess.h"

#include "app/Pictures.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ChildResult RunIconPng(const QStringList& arguments)
{
    return RunChild(QStringLiteral(QUAVEL_ICON_PNG), arguments);
}

TEST(IconPngTest, WritesTheWindowsIconAtTheAskedSize)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("icon.png"));

    const ChildResult result = RunIconPng({"100", file});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    const QImage written(file, "PNG");
    EXPECT_EQ(written.size(), QSize(100, 100));
    EXPECT_EQ(written.convertToFormat(QImage::Format_ARGB32),
        IconImage(100).convertToFormat(QImage::Format_ARGB32));
}

TEST(IconPngTest, RefusesAWrongCommandLineAndWritesNothing)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("icon.png"));
    const QStringList cases[] = {
        {},
        {"16"},
        {"16", file, "extra"},
        {"0", file},
        {"-16", file},
        {"1025", file},
        {"16px", file},
        {"", file},
        {"99999999999999999999", file},
    };
    for (const QStringList& arguments : cases) {
        const ChildResult result = RunIconPng(arguments);
        const std::string name = arguments.join(' ').toStdString();
        EXPECT_EQ(result.exitCode, 2) << name;
        EXPECT_EQ(result.err, "Usage: quavel-icon-png SIZE FILE (SIZE from 1 to 1024)\n") << name;
        EXPECT_FALSE(QFile::exists(file)) << name;
    }
}

TEST(IconPngTest, FailsWhenTheFileCannotBeWritten)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("missing/icon.png"));

    const ChildResult result = RunIconPng({"16", file});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "quavel-icon-png: cannot write " + file.toUtf8() + "\n");
}

}  // namespace
