#include "profile/AtomicFile.h"
#include "profile/TemporaryFile.h"

#include "bench/KillRounds.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <functional>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Names = std::set<std::string>;

struct stat Status(const fs::path& path)
{
    struct stat status { };
    ::lstat(path.c_str(), &status);
    return status;
}

}  // namespace

TEST(AtomicFile, ReplacementKeepsModeLinksAttributesAndOwner)
{
    TestFolder folder;
    for (const char* name : {"mode.wst", "real.wst", "hard.wst", "tagged.wst", "owned.wst"})
        folder.Write(name, "old");
    fs::permissions(folder / "mode.wst", fs::perms(0640));
    fs::create_symlink("real.wst", folder / "link.wst");
    fs::create_hard_link(folder / "hard.wst", folder / "hard2.wst");
    // Where the file system has extended attributes.
    const bool tagged
        = ::setxattr((folder / "tagged.wst").c_str(), "user.origin", "kept", 4, 0) == 0;
    // Only the superuser may give a file away; otherwise it stays ours.
    [[maybe_unused]] const int refusedUnlessRoot
        = ::chown((folder / "owned.wst").c_str(), kNobody, kNobody);
    for (const char* name : {"mode.wst", "link.wst", "hard.wst", "tagged.wst", "owned.wst"})
        EXPECT_EQ(WriteFileAtomically(folder / name, "new"), 0) << name;

    EXPECT_EQ(folder.Entries().size(), 7u);  // the five, real.wst and hard2.wst
    for (const std::string& name : folder.Entries())
        EXPECT_EQ(folder.Read(name), "new") << name;
    EXPECT_EQ(folder.PermissionBits("mode.wst"), 0640u);
    EXPECT_TRUE(fs::is_symlink(folder / "link.wst"));
    EXPECT_EQ(Status(folder / "hard.wst").st_ino, Status(folder / "hard2.wst").st_ino);
    char value[8] = {};
    EXPECT_EQ(
        ::getxattr((folder / "tagged.wst").c_str(), "user.origin", value, 8), tagged ? 4 : -1);
    EXPECT_EQ(Status(folder / "owned.wst").st_uid, ::geteuid() == 0 ? kNobody : ::geteuid());
}

TEST(AtomicFile, FailedWritesLeaveTheOldFileAndNoOther)
{
    TestFolder folder;
    folder.Write("a.wst", "old content");
    folder.Write("read-only.wst", "old content");
    fs::permissions(folder / "read-only.wst", fs::perms(0444));
    fs::create_hard_link(folder / "a.wst", folder / "link.wst");  // written in place
    fs::create_directories(folder / "dir.wst" / "inside");
    // Files may grow to 100 bytes only, so a larger write fails as on a full
    // disk, even for root; with SIGXFSZ ignored, write() reports EFBIG.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limited{100, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(WriteFileAtomically(folder / "a.wst", std::string(1000, 'x')), EFBIG);
    fs::remove(folder / "link.wst");
    EXPECT_EQ(WriteFileAtomically(folder / "a.wst", std::string(1000, 'x')), EFBIG);
    EXPECT_EQ(WriteNewFile(folder / "b.wst", std::string(1000, 'x')), EFBIG);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(WriteFileAtomically(folder / "read-only.wst", "new"), EACCES);
    EXPECT_EQ(WriteFileAtomically(folder / "dir.wst", "x"), EISDIR);
    EXPECT_EQ(WriteFileAtomically(folder / "missing" / "a.wst", "x"), ENOENT);
    EXPECT_EQ(CheckWriteAccess(folder.path()), 0);  // its test file is gone afterwards
    EXPECT_EQ(folder.Read("a.wst"), "old content");
    EXPECT_EQ(folder.Read("read-only.wst"), "old content");
    EXPECT_EQ(folder.Entries(), (Names{"a.wst", "dir.wst", "read-only.wst"}));
}

TEST(AtomicFile, OtherUsersFilesKeepTheirOwnerOrStayUnwritten)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as a second user";
    TestFolder folder;
    fs::permissions(folder.path(), fs::perms(0777));
    fs::create_directory(folder / "closed");
    for (const char* name : {"shared.wst", "private.wst", "quavel.tst", "closed/a.wst"})
        folder.Write(name, "old");
    fs::permissions(folder / "shared.wst", fs::perms(0666));
    fs::permissions(folder / "closed/a.wst", fs::perms(0666));
    EXPECT_EQ(AsNobody([&] { return WriteFileAtomically(folder / "shared.wst", "new"); }), 0);
    // Written in place, with the copy of the old bytes in nobody's state folder.
    fs::create_directory(folder / "state");
    ASSERT_EQ(::chown((folder / "state").c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(AsNobody([&] {
        ::setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
        return WriteFileAtomically(folder / "closed/a.wst", "new");
    }),
        0);
    EXPECT_EQ(AsNobody([&] { return WriteFileAtomically(folder / "private.wst", "new"); }), EACCES);
    EXPECT_EQ(AsNobody([&] { return CheckWriteAccess(folder.path()); }), 0);
    EXPECT_EQ(AsNobody([&] { return CheckWriteAccess(folder / "closed"); }), EACCES);
    for (const char* name : {"shared.wst", "closed/a.wst"}) {
        EXPECT_EQ(folder.Read(name), "new") << name;
        EXPECT_EQ(Status(folder / name).st_uid, 0u) << name;
    }
    EXPECT_EQ(folder.Read("private.wst"), "old");
    EXPECT_EQ(
        folder.Entries(), (Names{"closed", "private.wst", "quavel.tst", "shared.wst", "state"}));
    EXPECT_EQ(folder.Entries("state/quavel/recovery"), Names{});
}

TEST(AtomicFile, NewFilesAreWholeOrAbsent)
{
    TestFolder folder;
    folder.Write(".quavel-00000000deadbeef.tmp", "left by a killed writer");
    std::atomic<int> created{0};
    {
        std::vector<std::jthread> writers;  // joined at the end of the block
        for (char fill = 'a'; fill < 'i'; ++fill)
            writers.emplace_back([&, fill] {
                created += WriteNewFile(folder / "race.wst", std::string(4096, fill)) == 0 ? 1 : 0;
            });
    }
    EXPECT_EQ(created.load(), 1);
    const std::string content = folder.Read("race.wst");
    ASSERT_EQ(content.size(), 4096u);
    EXPECT_EQ(content, std::string(4096, content.front()));
    // A writer still at work keeps its file; another spelling of the folder
    // makes this process look for leftovers once more.
    const TemporaryFile live(folder.path(), Naming::Named);
    EXPECT_EQ(WriteNewFile(folder / "." / "b.wst", "b"), 0);
    EXPECT_EQ(folder.Entries().size(), 3u);
    EXPECT_EQ(folder.Entries().count("race.wst") + folder.Entries().count("b.wst"), 2u);
}

TEST(AtomicFile, WritersKilledAtAnyMomentLeaveWholeProfilesAndNoTemporaries)
{
    const TestFolder folder;
    const KillFigures figures = RunKillRounds(folder.path(), 100, 5000, 9);
    EXPECT_EQ(figures.kills, 100);
    EXPECT_EQ(figures.brokenProfiles, 0);
    EXPECT_EQ(figures.leftBehind, 0);
}
