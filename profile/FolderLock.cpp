#include "profile/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kLongestPause{50};

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds timeout)
    : folder_(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (!folder_.IsOpen()) {
        error_ = errno;
        return;
    }
    // flock() has no timeout: poll, with pauses growing from one millisecond,
    // so that a short save of another program costs little delay.
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (std::chrono::milliseconds pause{1};; pause = std::min(pause * 2, kLongestPause)) {
        if (::flock(folder_.get(), LOCK_EX | LOCK_NB) == 0)
            return;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error_ = errno;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            error_ = EWOULDBLOCK;
            return;
        }
        std::this_thread::sleep_for(pause);
    }
}
