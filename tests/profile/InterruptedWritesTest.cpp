#include "profile/InterruptedWrites.h"
#include "profile/AtomicFile.h"
#include "profile/ProfileStore.h"
#include "profile/RecoveryCopy.h"

#include "tests/support/Documents.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Paths = std::vector<fs::path>;
using Names = std::set<std::string>;

// Larger than the old bytes and their copy, so that the kill below comes
// after the copy is kept, halfway through the file.
const std::string kOld = DefaultBytes();
const std::string kNew = ReplaceAll(DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"2/0\""),
    "\t</gameMode>", "\t\t<!-- " + std::string(40000, 'n') + " -->\r\n\t</gameMode>");
constexpr rlim_t kKillAt = 20000;

// Writes the bytes over the file in a child process that the kernel kills
// (SIGXFSZ) as its write passes kKillAt bytes. True when it died so.
bool KilledWhileWriting(const fs::path& file, const std::string& bytes)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{kKillAt, kKillAt};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(WriteFileAtomically(file, bytes));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
}

// Which of the two versions the bytes are, so that a failure reads short.
std::string VersionOf(const std::string& bytes)
{
    if (bytes == kOld || bytes == kNew)
        return bytes == kOld ? "old" : "new";
    return bytes.size() < 100 ? bytes : std::to_string(bytes.size()) + " other bytes";
}

// Changes the file's bytes, keeping its inode.
void Overwrite(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

ino_t Inode(const fs::path& file)
{
    struct stat status { };
    ::stat(file.c_str(), &status);
    return status.st_ino;
}

// A.wst, with a second link links/A.wst, so that it is written in place.
struct LinkedFile {
    TestFolder folder;
    fs::path file = folder / "A.wst";
    LinkedFile()
    {
        folder.Write("A.wst", kOld);
        fs::create_directory(folder / "links");
        fs::create_hard_link(file, folder / "links/A.wst");
    }
};

}  // namespace

// A copy beside a file: its file is whole (old or new bytes), replaced or gone,
// and the copy goes quietly; or it is half-written and comes back, told once;
// or its writer still holds it and nothing happens.
TEST(InterruptedWrites, CopyFoundDecidesByWhatTheFileHolds)
{
    enum class Told { No, Once };
    const auto byFolder
        = [](const fs::path& file) { RecoverInterruptedWrites(file.parent_path()); };
    const auto byLoad
        = [](const fs::path& file) { ProfileStore(file.parent_path()).LoadProfile("A"); };
    const auto byRead = [](const fs::path& file) {
        std::string bytes;
        ReadFileBytes(file, bytes);
    };
    const auto bySave = [](const fs::path& file) { WriteFileAtomically(file, "saved"); };
    const std::string newHeadOldTail = kNew.substr(0, 5000) + kOld.substr(5000);
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> after;  // what became of the file after the kill
        std::function<void(const fs::path&)> recovery;
        std::optional<std::string> result;  // none: no file
        Told told;
    };
    const std::vector<Case> cases = {
        {"cut short, then loaded", [](const fs::path&) {}, byLoad, kOld, Told::Once},
        {"new head and old tail, then listed",
            [&](const fs::path& file) { Overwrite(file, newHeadOldTail); }, byFolder, kOld,
            Told::Once},
        {"cut short, then saved over", [](const fs::path&) {}, bySave, "saved", Told::Once},
        {"complete new bytes, then read", [](const fs::path& file) { Overwrite(file, kNew); },
            byRead, kNew, Told::No},
        {"old bytes, then listed", [](const fs::path& file) { Overwrite(file, kOld); }, byFolder,
            kOld, Told::No},
        {"replaced by a rename, then listed",
            [](const fs::path& file) {
                std::ofstream(file.string() + ".new") << "another program's";
                fs::rename(file.string() + ".new", file);
            },
            byFolder, "another program's", Told::No},
        {"removed, then listed", [](const fs::path& file) { fs::remove(file); }, byFolder,
            std::nullopt, Told::No},
    };
    for (const Case& row : cases) {
        LinkedFile linked;
        const ino_t inode = Inode(linked.file);
        TakeRestoredFiles();
        ASSERT_TRUE(KilledWhileWriting(linked.file, kNew)) << row.name;
        ASSERT_EQ(linked.folder.Entries().count(".A.wst.quavel-recovery"), 1u) << row.name;
        row.after(linked.file);
        row.recovery(linked.file);
        EXPECT_EQ(linked.folder.Entries().count(".A.wst.quavel-recovery"), 0u) << row.name;
        EXPECT_EQ(fs::exists(linked.file), row.result.has_value()) << row.name;
        if (row.result) {
            EXPECT_EQ(VersionOf(linked.folder.Read("A.wst")), VersionOf(*row.result)) << row.name;
        }
        const Paths told = row.told == Told::Once ? Paths{WritePathOf(linked.file)} : Paths{};
        EXPECT_EQ(TakeRestoredFiles(), told) << row.name;
        RecoverInterruptedWrites(linked.folder.path());
        EXPECT_EQ(TakeRestoredFiles(), Paths{}) << row.name;
        if (row.told == Told::Once && row.result == kOld) {
            EXPECT_EQ(Inode(linked.file), inode) << row.name;
            EXPECT_EQ(VersionOf(linked.folder.Read("links/A.wst")), "old") << row.name;
        }
    }
}

// A copy that a writer at work holds locked is not its reader's to judge.
TEST(InterruptedWrites, WriterAtWorkKeepsItsCopy)
{
    LinkedFile linked;
    ASSERT_TRUE(KilledWhileWriting(linked.file, kNew));
    const std::string cutShort = linked.folder.Read("A.wst");
    const int held = ::open((linked.folder / ".A.wst.quavel-recovery").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_EQ(RecoverInterruptedWrites(linked.folder.path()), 0);
    EXPECT_EQ(WriteFileAtomically(linked.file, "meanwhile"), EBUSY);
    EXPECT_EQ(VersionOf(linked.folder.Read("A.wst")), VersionOf(cutShort));
    ::close(held);
    EXPECT_EQ(RecoverInterruptedWrites(linked.folder.path()), 0);
    EXPECT_EQ(VersionOf(linked.folder.Read("A.wst")), "old");
    TakeRestoredFiles();
}

// A folder closed to new files keeps the copy in the writer's state folder,
// readable by the writer alone; with no state folder to take it, the file is
// not written.
TEST(InterruptedWrites, ClosedFolderKeepsTheCopyInTheStateFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as a second user";
    TestFolder folder;
    fs::create_directories(folder / "closed");
    fs::create_directories(folder / "state");
    folder.Write("closed/a.wst", kOld);
    fs::permissions(folder / "closed/a.wst", fs::perms(0666));
    ASSERT_EQ(::chown((folder / "state").c_str(), kNobody, kNobody), 0);
    const fs::path file = folder / "closed/a.wst";
    const fs::path copies = folder / "state/quavel/recovery";
    const auto withState = [&](const fs::path& state, const std::function<int()>& work) {
        return AsNobody([&] {
            ::setenv("XDG_STATE_HOME", state.c_str(), 1);
            return work();
        });
    };
    EXPECT_EQ(
        withState(folder / "state", [&] { return KilledWhileWriting(file, kNew) ? 0 : 1; }), 0);
    ASSERT_EQ(folder.Entries("state/quavel/recovery").size(), 1u);
    const fs::path copy = copies / *folder.Entries("state/quavel/recovery").begin();
    EXPECT_EQ(folder.PermissionBits(copy.lexically_relative(folder.path())), 0600u);
    EXPECT_EQ(
        withState(folder / "state", [&] { return RecoverInterruptedWrites(folder / "closed"); }),
        0);
    EXPECT_EQ(VersionOf(folder.Read("closed/a.wst")), "old");
    EXPECT_EQ(folder.Entries("state/quavel/recovery"), Names{});
    EXPECT_EQ(folder.Entries("closed"), Names{"a.wst"});
    // A state folder nobody may not create: the save is refused, nothing changes.
    EXPECT_EQ(withState(folder / "closed/state", [&] { return WriteFileAtomically(file, kNew); }),
        EACCES);
    EXPECT_EQ(VersionOf(folder.Read("closed/a.wst")), "old");
}
