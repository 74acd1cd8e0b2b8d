// quavel-cli's completions in their real shells, installed as its package
// installs them and loaded as each shell loads a package's completion: bash
// through bash-completion's loader, zsh's completion system in an interactive
// zsh, fish's own completer (complete -C). Each row presses Tab at the end of
// a command line typed in the folder work/ and compares what is offered.
#include "RunChild.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Row {
    const char* name;
    const char* shells;  // those the row holds for, separated by spaces
    const char* line;
    // Sorted, separated by spaces: each as the text that replaces what
    // follows the last "=" of the word completed, a folder without its "/".
    const char* candidates;
};

constexpr const char* kAll = "bash zsh fish";
constexpr const char* kCommands
    = "check config diff help import list new publish set show targets trust-host";

constexpr Row kRows[] = {
    {"CommandsFirst", kAll, "quavel-cli ", kCommands},
    {"OptionsBeforeTheCommand", kAll, "quavel-cli -", "--directory --help --prefix --version -C"},
    {"ProfilesOfTheCurrentFolder", kAll, "quavel-cli show ", "A Default"},
    {"ProfilesOfTheFolderAfterC", kAll, "quavel-cli -C ../other show ", "Default Other Weekend"},
    {"ProfilesOfTheFolderAfterDirectoryEquals", kAll, "quavel-cli --directory=../other diff Other ",
        "Default Other Weekend"},
    {"ProfilesOfAFolderInTheHomeFolder", kAll, "quavel-cli -C ~/profiles set ", "Default Home"},
    {"FolderAfterAnotherOption", kAll, "quavel-cli --prefix /opt --directory ../other show W",
        "Weekend"},
    {"FoldersForC", kAll, "quavel-cli -C ", "sub"},
    {"FoldersForPrefix", kAll, "quavel-cli --prefix=", "sub"},
    {"FoldersForToDir", kAll, "quavel-cli publish A --to-dir ", "sub"},
    {"Formats", kAll, "quavel-cli show A --format=", "json set table"},
    {"Targets", kAll, "quavel-cli publish A --to ", "both cwd game server server:eu1 server:us-2"},
    {"OneServer", kAll, "quavel-cli publish A --to server:e", "server:eu1"},
    {"ConfigActions", kAll, "quavel-cli config ", "add-server get remove-server set unset"},
    {"ServersToRemove", kAll, "quavel-cli config remove-server ", "eu1 us-2"},
    {"ImportSources", kAll, "quavel-cli import ", "cwd game server server:eu1 server:us-2 sub"},
    {"ConfigKeys", kAll, "quavel-cli config unset ",
        "installs.game installs.prefix installs.server"},
    {"CheckFilesAndStandardInput", kAll, "quavel-cli check ", "- A.wst Default.wst notes.txt sub"},
    {"CheckOptionsAndStandardInput", kAll, "quavel-cli check -", "- --help --json"},
    {"DiffOptions", kAll, "quavel-cli diff A B --", "--help --json"},
    {"OnlyTheCommandsOptionsAfterIt", kAll, "quavel-cli list --", "--help --json"},
    // zsh adds the "=" only as it inserts the key.
    {"SetKeysFromTheTool", "bash fish", "quavel-cli set A red.te", "red.team="},
    {"SetKeysFromTheTool", "zsh", "quavel-cli set A red.te", "red.team"},
    {"SetValues", kAll, "quavel-cli set A red.team=U", "USArmy USMarine"},
};

struct Completion {
    std::string shell;
    const Row* row;
};

void PrintTo(const Completion& completion, std::ostream* out)
{
    *out << completion.shell << '_' << completion.row->name;
}

std::vector<Completion> Completions()
{
    std::vector<Completion> completions;
    for (const Row& row : kRows) {
        for (const QString& shell : QString(row.shells).split(' '))
            completions.push_back({shell.toStdString(), &row});
    }
    return completions;
}

// The candidates a shell printed, one a line, as a row writes them.
std::string Candidates(const QByteArray& out, const QString& line)
{
    const QString word = line.section(' ', -1);
    const QString replaced = word.left(word.lastIndexOf('=') + 1);
    QStringList candidates;
    for (QString candidate : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
        candidate = candidate.section('\t', 0, 0);  // fish's description follows a tab
        if (candidate.endsWith('/'))
            candidate.chop(1);
        if (candidate.startsWith(replaced))
            candidate.remove(0, replaced.size());
        candidates.append(candidate);
    }
    candidates.sort();
    candidates.removeDuplicates();
    return candidates.join(' ').toStdString();
}

class CompletionTest : public ::testing::TestWithParam<Completion> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(world_.isValid());
        for (const char* file : {"work/A.wst", "work/Default.wst", "work/notes.txt",
                 "other/Other.wst", "other/Weekend.wst", "home/profiles/Home.wst"}) {
            const QString path = world_.filePath(file);
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
            ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir().mkpath(world_.filePath("work/sub")));
        // Servers as a person writes them: blanks around the header, a CRLF.
        QFile settings(world_.filePath("home/.config/quavel/quavel.conf"));
        ASSERT_TRUE(QDir().mkpath(world_.filePath("home/.config/quavel")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[server \"eu1\"]\nurl = sftp://eu1/srv\n  [server  \"us-2\"] \r\n"
                       "url=ftps://us2/srv\r\n");
        const ChildResult installed = RunChild(QStringLiteral(QUAVEL_CMAKE),
            {"--install", QUAVEL_BUILD_DIR, "--component", "cli", "--prefix", Prefix()});
        ASSERT_EQ(installed.exitCode, 0) << installed.err.toStdString();
    }

    QString Prefix() const { return world_.filePath("prefix"); }

    // The shell's program and arguments that print what Tab offers.
    QStringList ShellCommand(const std::string& shell, const QString& line) const
    {
        if (shell == "bash")
            return {"bash", QUAVEL_TEST_DATA "/complete.bash", line};
        if (shell == "zsh")
            return {"zsh", "-f", QUAVEL_TEST_DATA "/complete.zsh",
                Prefix() + "/share/zsh/site-functions", line};
        return {"fish", "-c", "complete -C $argv[1]", line};
    }

    // The user's environment with the install's programs and files first.
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString home = world_.filePath("home");
        environment.insert("HOME", home);
        environment.insert("XDG_CONFIG_HOME", home + "/.config");
        environment.insert("XDG_DATA_HOME", home + "/.local/share");
        environment.insert("XDG_DATA_DIRS", Prefix() + "/share");
        environment.insert("PATH", Prefix() + "/bin:" + environment.value("PATH"));
        environment.remove("BASH_COMPLETION_USER_DIR");
        return environment;
    }

    QTemporaryDir world_;
};

TEST_P(CompletionTest, OffersWhatTheCommandLineAllows)
{
    const Completion& completion = GetParam();
    const QString line = completion.row->line;
    QStringList command = ShellCommand(completion.shell, line);
    const QString program = command.takeFirst();

    const ChildResult result = RunChild(program, command, Environment(), world_.filePath("work"));

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(Candidates(result.out, line), completion.row->candidates) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shells, CompletionTest, ::testing::ValuesIn(Completions()),
    ::testing::PrintToStringParamName());

}  // namespace
