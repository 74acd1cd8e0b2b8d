// The manual pages against the code: each page's ENVIRONMENT section names
// every variable its program's code reads, and man renders the page without
// a warning, as lintian runs it.
#include "RunChild.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The variables the code in the folders reads, by name.
QSet<QString> VariablesRead(const QStringList& folders)
{
    static const QRegularExpression read(
        R"re(\b(?:getenv|secure_getenv|qgetenv|qEnvironmentVariable\w*|Variable)\("(\w+)"\))re");
    QSet<QString> names;
    for (const QString& folder : folders) {
        for (QDirIterator source(QUAVEL_SOURCE_DIR "/" + folder, {"*.cpp", "*.h"}, QDir::Files,
                 QDirIterator::Subdirectories);
             source.hasNext();) {
            QFile file(source.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (const QRegularExpressionMatch& match :
                read.globalMatch(QString::fromUtf8(file.readAll())))
                names.insert(match.captured(1));
        }
    }
    return names;
}

// The text of a page's section, from its .SH line to the next.
QString Section(const QString& page, const QString& name)
{
    const qsizetype start = page.indexOf("\n.SH " + name + '\n');
    return start < 0 ? QString() : page.mid(start + 1, page.indexOf("\n.SH ", start + 1) - start);
}

TEST(ManualPageTest, NamesEveryVariableItsProgramReadsAndRendersCleanly)
{
    struct Page {
        const char* file;
        QStringList folders;  // the sources of the program it describes
    };
    const QStringList core{"catalog", "profile", "installs", "session"};
    const Page pages[] = {
        {"quavel-cli.1", core + QStringList{"cli"}},
        {"quavel.1", core + QStringList{"controls", "panels", "app"}},
    };
    for (const Page& page : pages) {
        const QString path = QUAVEL_SOURCE_DIR "/doc/" + QString(page.file);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.file;
        const QString environment = Section(QString::fromUtf8(file.readAll()), "ENVIRONMENT");
        const QSet<QString> variables = VariablesRead(page.folders);
        EXPECT_GE(variables.size(), 4) << page.file;  // the search above still finds the reads
        for (const QString& variable : variables) {
            EXPECT_TRUE(environment.contains(QRegularExpression("\\b" + variable + "\\b")))
                << variable.toStdString() << " in " << page.file;
        }
        const ChildResult rendered = RunChild(
            QStringLiteral("man"), {"--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", path});
        EXPECT_EQ(rendered.exitCode, 0) << page.file;
        EXPECT_EQ(rendered.err, "") << page.file;
    }
}

}  // namespace
