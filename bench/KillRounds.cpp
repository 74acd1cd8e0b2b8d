#include "bench/KillRounds.h"

#include "profile/DefaultDocument.h"
#include "profile/ProfileReader.h"
#include "profile/ProfileStore.h"
#include "profile/RegularFile.h"
#include "profile/XmlAccess.h"
#include "profile/XmlDocument.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void WriteForever(const fs::path& folder)
{
    ProfileStore renamed(folder);
    ProfileStore linked(folder);  // its file has a second link: written in place
    std::optional<Profile> profile = renamed.LoadProfile("CustomCombat");
    std::optional<Profile> linkedProfile = linked.LoadProfile("Linked");
    if (!profile || !linkedProfile)
        ::_exit(1);
    for (Flag flag = 0;; flag ^= 1) {
        profile->red.kits[0] = flag;
        linkedProfile->red.kits[0] = flag;
        renamed.SaveProfile(*profile);
        linked.SaveProfile(*linkedProfile);
        renamed.CreateProfileFile("New");
        renamed.ExportProfile(*profile, folder / "server" / "CustomCombat.wst");
        fs::remove(folder / "New.wst");
    }
}

// Whether the file loads as it is, read without undoing an interrupted write.
bool LoadsAsItIs(const fs::path& file)
{
    const RegularFileRead read = ReadRegularFile(file, kMaximumProfileBytes);
    const std::unique_ptr<XmlDocument> document = CreateXmlDocument();
    std::string reason;
    return read.error == 0 && LoadXmlText(*document, read.bytes)
        && ReadProfile(*document, file.stem().string(), reason).has_value();
}

bool IsLeftBehind(const fs::path& entry)
{
    const std::string name = entry.filename().string();
    return name.starts_with(".quavel-") || name.ends_with(".quavel-recovery");
}

// Temporaries and recovery copies in the folders, and every file below state.
int LeftBehind(const std::vector<fs::path>& folders, const fs::path& state = {})
{
    int count = 0;
    std::error_code error;
    for (const fs::path& searched : folders) {
        for (const auto& entry : fs::directory_iterator(searched, error))
            count += IsLeftBehind(entry.path()) ? 1 : 0;
    }
    for (auto entry = fs::recursive_directory_iterator(state, error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error))
        count += entry->is_regular_file() ? 1 : 0;
    return count;
}

void KillAfter(pid_t writer, int pauseMicroseconds)
{
    ::usleep(static_cast<useconds_t>(pauseMicroseconds));
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
}

// The built-in document with a comment before the end of gameMode.
std::string PaddedProfile(std::size_t bytes)
{
    std::string document(DefaultDocument());
    const std::size_t end = document.rfind("\t</gameMode>");
    const std::size_t padding = bytes > document.size() ? bytes - document.size() : 0;
    return document.insert(end, "\t\t<!-- " + std::string(padding, 'x') + " -->\r\n");
}

struct ToolFolders {
    fs::path profiles;  // the working folder
    fs::path links;     // the second link of a hard-linked profile
    fs::path state;     // the tool's XDG_STATE_HOME
    fs::path profile() const { return profiles / "CustomCombat.wst"; }
};

ToolFolders SetUpToolFolders(const fs::path& folder, const ToolKillSetUp& setUp)
{
    const ToolFolders folders{folder / "profiles", folder / "links", folder / "state"};
    for (const fs::path& created : {folders.profiles, folders.links, folders.state})
        fs::create_directory(created);
    std::ofstream(folders.profile(), std::ios::binary) << PaddedProfile(setUp.profileBytes);
    if (setUp.inPlaceCase == InPlaceCase::HardLinked) {
        fs::create_hard_link(folders.profile(), folders.links / "CustomCombat.wst");
        return folders;
    }
    // The profile stays this user's; the member may write it and the folder.
    const bool shared = ::chown(folders.profiles.c_str(), ::geteuid(), setUp.group) == 0
        && ::chmod(folders.profiles.c_str(), 0775) == 0
        && ::chown(folders.profile().c_str(), ::geteuid(), setUp.group) == 0
        && ::chmod(folders.profile().c_str(), 0664) == 0
        && ::chown(folders.state.c_str(), setUp.member, setUp.group) == 0;
    if (!shared)
        throw std::runtime_error("cannot share the folder with the group; needs root");
    return folders;
}

// Runs the tool on the working folder, as the member in the GroupMember case,
// with its output thrown away.
pid_t StartTool(const ToolKillSetUp& setUp, const ToolFolders& folders,
    const std::vector<std::string>& arguments)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    if (setUp.inPlaceCase == InPlaceCase::GroupMember
        && !(::setgroups(1, &setUp.group) == 0
            && ::setresgid(setUp.group, setUp.group, setUp.group) == 0
            && ::setresuid(setUp.member, setUp.member, setUp.member) == 0))
        ::_exit(126);
    ::setenv("XDG_STATE_HOME", folders.state.c_str(), 1);
    std::vector<std::string> words{setUp.tool.string(), "-C", folders.profiles.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

int ExitStatusOf(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> SetCommand(int round)
{
    return {"set", "CustomCombat", round % 2 ? "red.kit.scout.sec=on" : "red.kit.scout.sec=off"};
}

}  // namespace

KillFigures RunKillRounds(
    const fs::path& folder, int kills, int maxPauseMicroseconds, unsigned seed)
{
    // Written without the store, so that this process has not yet looked for
    // leftovers in the folder when it makes the last write.
    fs::create_directory(folder / "server");
    fs::create_directory(folder / "links");
    for (const char* name :
        {"Default.wst", "CustomCombat.wst", "Linked.wst", "server/CustomCombat.wst"})
        std::ofstream(folder / name, std::ios::binary) << DefaultDocument();
    fs::create_hard_link(folder / "Linked.wst", folder / "links" / "Linked.wst");
    const std::vector<fs::path> profiles{folder / "CustomCombat.wst", folder / "Linked.wst",
        folder / "New.wst", folder / "server" / "CustomCombat.wst"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(0, maxPauseMicroseconds);
    KillFigures figures;
    for (; figures.kills < kills; ++figures.kills) {
        const pid_t writer = ::fork();
        if (writer == 0)
            WriteForever(folder);
        KillAfter(writer, pause(random));
        for (const fs::path& file : profiles) {
            if (!fs::exists(file))
                continue;
            figures.halfWritten += LoadsAsItIs(file) ? 0 : 1;
            ProfileStore store(file.parent_path());
            figures.brokenProfiles += store.LoadProfile(file.stem().string()) ? 0 : 1;
        }
    }
    for (const fs::path& written : {folder, folder / "server"}) {
        ProfileStore store(written);
        if (const std::optional<Profile> profile = store.LoadProfile("CustomCombat"))
            store.SaveProfile(*profile);
    }
    figures.leftBehind = LeftBehind({folder, folder / "server", folder / "links"});
    return figures;
}

KillFigures RunToolKillRounds(
    const fs::path& folder, const ToolKillSetUp& setUp, int kills, unsigned seed)
{
    const ToolFolders folders = SetUpToolFolders(folder, setUp);
    // The tool writes the two versions once each, unkilled; the second run is timed.
    std::string versions[2];
    std::chrono::microseconds runTime{};
    for (int round = 0; round < 2; ++round) {
        const auto start = std::chrono::steady_clock::now();
        if (ExitStatusOf(StartTool(setUp, folders, SetCommand(round))) != 0)
            throw std::runtime_error("quavel-cli set fails even when not killed");
        runTime = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
        versions[round] = ReadRegularFile(folders.profile(), kMaximumProfileBytes).bytes;
    }
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(0, static_cast<int>(runTime.count()));
    KillFigures figures;
    for (; figures.kills < kills; ++figures.kills) {
        KillAfter(StartTool(setUp, folders, SetCommand(figures.kills)), pause(random));
        const std::string left = ReadRegularFile(folders.profile(), kMaximumProfileBytes).bytes;
        figures.halfWritten += left == versions[0] || left == versions[1] ? 0 : 1;
        const pid_t check = StartTool(setUp, folders, {"check", folders.profile().string()});
        figures.brokenProfiles += ExitStatusOf(check) == 0 ? 0 : 1;
        figures.leftBehind += LeftBehind({folders.profiles, folders.links}, folders.state);
    }
    return figures;
}
