#include "profile/AtomicFile.h"
#include "profile/TemporaryFile.h"

#include "FileSizeLimit.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <functional>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Names = std::set<std::string>;
constexpr uid_t kNobody = 65534;

struct stat Status(const fs::path& path)
{
    struct stat status { };
    ::lstat(path.c_str(), &status);
    return status;
}

// The work's result (an errno value, say), computed in a child process that
// runs as the unprivileged user nobody.
int AsNobody(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0
            && ::setresgid(kNobody, kNobody, kNobody) == 0
            && ::setresuid(kNobody, kNobody, kNobody) == 0;
        ::_exit(dropped ? work() : 255);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

}  // namespace

TEST(AtomicFile, ReplacementKeepsWhatTheUserSetUp)
{
    struct Case {
        const char* name;
        std::function<void(const TestFolder&)> setUp;  // a.wst holds "old" before
        std::function<void(const TestFolder&)> check;
        Names entries;
    };
    bool tagged = false;
    const std::vector<Case> cases = {
        {"mode", [](auto& folder) { fs::permissions(folder / "a.wst", fs::perms(0640)); },
            [](auto& folder) { EXPECT_EQ(folder.PermissionBits("a.wst"), 0640u); }, {"a.wst"}},
        {"symbolic link",
            [](auto& folder) {
                fs::rename(folder / "a.wst", folder / "real.wst");
                fs::create_symlink("real.wst", folder / "a.wst");
            },
            [](auto& folder) {
                EXPECT_TRUE(fs::is_symlink(folder / "a.wst"));
                EXPECT_EQ(folder.Read("real.wst"), "new");
            },
            {"a.wst", "real.wst"}},
        {"hard link", [](auto& folder) { fs::create_hard_link(folder / "a.wst", folder / "b.wst"); },
            [](auto& folder) {
                EXPECT_EQ(Status(folder / "a.wst").st_ino, Status(folder / "b.wst").st_ino);
                EXPECT_EQ(folder.Read("b.wst"), "new");
            },
            {"a.wst", "b.wst"}},
        {"extended attribute",  // where the file system has them
            [&](auto& folder) {
                tagged = ::setxattr((folder / "a.wst").c_str(), "user.origin", "kept", 4, 0) == 0;
            },
            [&](auto& folder) {
                char value[8] = {};
                EXPECT_EQ(::getxattr((folder / "a.wst").c_str(), "user.origin", value, 8),
                    tagged ? 4 : -1);
            },
            {"a.wst"}},
        {"another owner",  // root gives the new file away
            [](auto& folder) {
                // Only the superuser may give a file away; otherwise it stays ours.
                [[maybe_unused]] const int refusedUnlessRoot
                    = ::chown((folder / "a.wst").c_str(), kNobody, kNobody);
            },
            [](auto& folder) {
                EXPECT_EQ(Status(folder / "a.wst").st_uid, ::geteuid() == 0 ? kNobody : ::geteuid());
            },
            {"a.wst"}},
    };
    for (const Case& test : cases) {
        TestFolder folder;
        folder.Write("a.wst", "old");
        test.setUp(folder);
        EXPECT_EQ(WriteFileAtomically(folder / "a.wst", "new"), 0) << test.name;
        EXPECT_EQ(folder.Read("a.wst"), "new") << test.name;
        test.check(folder);
        EXPECT_EQ(folder.Entries(), test.entries) << test.name;
    }
}

TEST(AtomicFile, FailedWritesLeaveTheOldFileAndNoOther)
{
    TestFolder folder;
    folder.Write("a.wst", "old content");
    folder.Write("read-only.wst", "old content");
    fs::permissions(folder / "read-only.wst", fs::perms(0444));
    fs::create_hard_link(folder / "a.wst", folder / "link.wst");  // written in place
    fs::create_directories(folder / "dir.wst" / "inside");
    {
        FileSizeLimit limit(100);
        EXPECT_EQ(WriteFileAtomically(folder / "a.wst", std::string(1000, 'x')), EFBIG);
        fs::remove(folder / "link.wst");
        EXPECT_EQ(WriteFileAtomically(folder / "a.wst", std::string(1000, 'x')), EFBIG);
        EXPECT_EQ(WriteNewFile(folder / "b.wst", std::string(1000, 'x')), EFBIG);
    }
    EXPECT_EQ(WriteFileAtomically(folder / "read-only.wst", "new"), EACCES);
    EXPECT_EQ(WriteFileAtomically(folder / "dir.wst", "x"), EISDIR);
    EXPECT_EQ(WriteFileAtomically(folder / "missing" / "a.wst", "x"), ENOENT);
    EXPECT_EQ(WriteNewFile(folder / "missing" / "a.wst", "x"), ENOENT);
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
    EXPECT_EQ(AsNobody([&] { return WriteFileAtomically(folder / "closed/a.wst", "new"); }), 0);
    EXPECT_EQ(AsNobody([&] { return WriteFileAtomically(folder / "private.wst", "new"); }), EACCES);
    EXPECT_EQ(AsNobody([&] { return CheckWriteAccess(folder.path()); }), 0);
    EXPECT_EQ(AsNobody([&] { return CheckWriteAccess(folder / "closed"); }), EACCES);
    for (const char* name : {"shared.wst", "closed/a.wst"}) {
        EXPECT_EQ(folder.Read(name), "new") << name;
        EXPECT_EQ(Status(folder / name).st_uid, 0u) << name;
    }
    EXPECT_EQ(folder.Read("private.wst"), "old");
    EXPECT_EQ(folder.Entries(), (Names{"closed", "private.wst", "quavel.tst", "shared.wst"}));
}

TEST(AtomicFile, NewFilesAreWholeOrAbsent)
{
    TestFolder folder;
    folder.Write(".quavel-00000000deadbeef.tmp", "left by a killed writer");
    std::atomic<int> created{0};
    std::vector<std::thread> writers;
    for (char fill = 'a'; fill < 'i'; ++fill) {
        writers.emplace_back([&, fill] {
            created += WriteNewFile(folder / "race.wst", std::string(4096, fill)) == 0 ? 1 : 0;
        });
    }
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(created.load(), 1);
    const std::string content = folder.Read("race.wst");
    ASSERT_EQ(content.size(), 4096u);
    EXPECT_EQ(content, std::string(4096, content.front()));
    // Names as long as the file system allows can be saved again later.
    const long longest = ::pathconf(folder.path().c_str(), _PC_NAME_MAX);
    const std::string name(static_cast<std::size_t>(longest) - 4, 'n');
    EXPECT_EQ(WriteNewFile(folder / (name + "x.wst"), "x"), ENAMETOOLONG);
    EXPECT_EQ(WriteNewFile(folder / (name + ".wst"), "x"), 0);
    EXPECT_EQ(WriteFileAtomically(folder / (name + ".wst"), "y"), 0);
    // A writer still at work keeps its file; another spelling of the folder
    // makes this process look for leftovers once more.
    const TemporaryFile live(folder.path(), Naming::Named);
    EXPECT_EQ(WriteNewFile(folder / "." / "b.wst", "b"), 0);
    EXPECT_EQ(folder.Entries().size(), 4u);
    EXPECT_EQ(folder.Entries().count("race.wst") + folder.Entries().count("b.wst"), 2u);
}
