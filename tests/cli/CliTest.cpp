#include "CliTest.h"

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <regex>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDriveC = "c:/";
constexpr std::string_view kHome = "~/";

// Placeholders and the folders below the test's root folder they stand for.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kPlaces{
    {{"{cwd}", "work"}, {"{wine}", "wine"}, {"{home}", "home"}, {"{state}", "state"}}};

// Backups are named by the time they were made: ".20250102-030405.bak" reads ".TIME.bak".
std::string WithoutTime(const std::string& text)
{
    static const std::regex time(R"(\.[0-9]{8}-[0-9]{6}((-[0-9]+)?\.bak))");
    return std::regex_replace(text, time, ".TIME$1");
}

}  // namespace

// Single quotes keep every byte from the shell; a quote inside ends them, is
// escaped, and opens them again.
std::string ShellQuoted(std::string_view text)
{
    return "'" + ReplaceAll(std::string(text), "'", "'\\''") + "'";
}

std::string Said(std::string_view message)
{
    std::string said;
    for (std::size_t start = 0; start < message.size();) {
        const std::size_t end = std::min(message.find('\n', start), message.size());
        said += "quavel-cli: " + std::string(message.substr(start, end - start)) + '\n';
        start = end + 1;
    }
    return said;
}

std::string EditedDocument()
{
    std::string bytes = ReplaceAll(WithTeams("3/2"), "alternative=\"uaz\" changeType=\"1\"",
        "alternative=\"t54\" changeType=\"2\"");
    bytes = ReplaceAll(bytes, "alternative=\"OH-6\"", "alternative=\"submarine\"");
    return WeaponOff(KitOff(bytes, "usarmy_recon_alt"), "ARVN", 2);
}

std::string PublishedFile(std::string_view install)
{
    return std::string(kDriveC) + "Games/" + std::string(install)
        + "/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";
}

std::string HostPath(const std::string& file)
{
    if (file.starts_with(kHome))
        return "{home}/" + file.substr(kHome.size());
    return file.starts_with(kDriveC) ? "{wine}/dosdevices/" + file : "{cwd}/" + file;
}

std::string DataFile(std::string_view name)
{
    return FileBytes(fs::path(QUAVEL_TEST_DATA) / name);
}

void PrintTo(const Tool& tool, std::ostream* out)
{
    *out << tool.name;
}

CliTest::CliTest()
{
    for (const auto& [placeholder, folder] : kPlaces)
        fs::create_directory(root / folder);
    BuildWinePrefix(root / "wine");
    fs::create_directory_symlink("../wine", root / "home/.wine");
}

std::string CliTest::Command(const std::vector<std::string>& arguments, Account account) const
{
    const bool dropRoot = account == Account::Unprivileged && ::geteuid() == 0;
    std::string command = "(export WINEPREFIX=" + ShellQuoted(Expand("{wine}")) + " HOME="
        + ShellQuoted(Expand("{home}")) + " XDG_STATE_HOME=" + ShellQuoted(Expand("{state}"));
    for (const std::string& entry : toolEnvironment)
        command += ' ' + ShellQuoted(entry);
    command += "; unset XDG_CONFIG_HOME LC_ALL LC_MESSAGES LANGUAGE; export " + locale + "; cd "
        + ShellQuoted(Expand("{cwd}")) + " && exec "
        + (dropRoot ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "")
        + ShellQuoted(QUAVEL_CLI_PATH);
    for (const std::string& argument : arguments)
        command += ' ' + ShellQuoted(Expand(argument));
    return command + ')';
}

ToolResult CliTest::Run(
    const std::vector<std::string>& arguments, const std::string& input, Account account) const
{
    return RunShell(Command(arguments, account), input);
}

ToolResult CliTest::RunAtOnce(const std::vector<std::vector<std::string>>& commandLines) const
{
    // Every tool is waited for, also after one has failed.
    std::string script = "{ status=0; ";
    std::string waits;
    for (std::size_t index = 0; index < commandLines.size(); ++index) {
        const std::string process = "tool" + std::to_string(index);
        script += Command(commandLines[index]) + " & " + process + "=$!; ";
        waits += "wait $" + process + " || status=1; ";
    }
    return RunShell(script + waits + "test $status = 0; }");
}

// Output goes to files, so that nothing can block.
ToolResult CliTest::RunShell(const std::string& command, const std::string& input) const
{
    world.Write(root / "in", input);
    const std::string redirected = command + " <" + ShellQuoted((root / "in").string()) + " >"
        + ShellQuoted((root / "out").string()) + " 2>" + ShellQuoted((root / "err").string());
    const int status = std::system(redirected.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Placeholders(FileBytes(root / "out")),
        Placeholders(FileBytes(root / "err"))};
}

void CliTest::Write(const Files& files) const
{
    for (const auto& [file, bytes] : files) {
        const fs::path path = Expand(HostPath(file));
        fs::create_directories(bytes == kFolder ? path : path.parent_path());
        if (bytes != kFolder)
            world.Write(path, Expand(bytes));
    }
}

Files CliTest::Snapshot() const
{
    Files files;
    const std::pair<fs::path, std::string_view> places[]{
        {root / "work", ""}, {root / "wine/drive_c", kDriveC}, {root / "home", kHome}};
    for (const auto& [folder, prefix] : places) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
            const std::string name
                = WithoutTime(std::string(prefix) + fs::relative(entry, folder).string());
            if (!entry.is_directory())
                files[name] = Placeholders(FileBytes(entry));
            else if (fs::is_empty(entry))
                files[name] = kFolder;
        }
    }
    return files;
}

std::string CliTest::Expand(std::string text) const
{
    for (const auto& [placeholder, folder] : kPlaces)
        text = ReplaceAll(std::move(text), placeholder, (root / folder).string());
    return text;
}

std::string CliTest::Placeholders(std::string text) const
{
    for (const auto& [placeholder, folder] : kPlaces)
        text = ReplaceAll(std::move(text), (root / folder).string(), placeholder);
    return WithoutTime(text);
}

TEST_P(CliRun, PrintsAndChangesAsExpected)
{
    const Tool& tool = GetParam();
    world.Write("wine/system.reg", tool.registry);
    Write(tool.files);
    const ToolResult result = Run(tool.arguments, tool.input);
    EXPECT_EQ(result.exitCode, tool.exitCode) << result.err;
    EXPECT_THAT(result.out, tool.out);
    EXPECT_THAT(result.err, tool.err);
    Files expected = tool.changes;
    expected.merge(Files(tool.files));
    EXPECT_EQ(Snapshot(), expected);
}
