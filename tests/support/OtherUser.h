#pragma once

// Runs a piece of a test as the unprivileged user nobody, in a child process,
// for tests of files that belong to someone else. Only root can do this.

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

inline constexpr uid_t kNobody = 65534;

// The work's result (an errno value, say), or 255 when the child could not
// become nobody or did not exit.
inline int AsNobody(const std::function<int()>& work)
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
