#include "transport/UploadName.h"

#include "profile/RegularFile.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <mutex>
#include <random>
#include <set>

namespace {

constexpr std::string_view kPrefix = ".quavel-";
constexpr std::string_view kSuffix = ".upload";
constexpr std::size_t kMachineIdLimit = 4096;

std::string LettersAndDigits(std::string_view text)
{
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
        [](char character) { return std::isalnum(static_cast<unsigned char>(character)); });
    return kept;
}

// systemd's machine id, else the host name: the same on every run of this machine.
const std::string& MachineName()
{
    static const std::string name = [] {
        for (const char* file : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
            const RegularFileRead read = ReadRegularFile(file, kMachineIdLimit);
            if (std::string id = LettersAndDigits(read.bytes); read.error == 0 && !id.empty())
                return id;
        }
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        const std::string id = LettersAndDigits(host);
        return id.empty() ? std::string("unknown") : id;
    }();
    return name;
}

std::mutex& InUseMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::set<std::string, std::less<>>& InUse()
{
    static std::set<std::string, std::less<>> names;
    return names;
}

bool IsInUse(std::string_view name)
{
    const std::lock_guard lock(InUseMutex());
    return InUse().contains(name);
}

bool ProcessIsGone(pid_t process)
{
    return ::kill(process, 0) != 0 && errno == ESRCH;
}

}  // namespace

UploadName::UploadName()
{
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char random[17];
    std::snprintf(random, sizeof random, "%016llx", static_cast<unsigned long long>(generator()));
    name_ = std::string(kPrefix) + MachineName() + '-' + std::to_string(::getpid()) + '-' + random
        + std::string(kSuffix);
    const std::lock_guard lock(InUseMutex());
    InUse().insert(name_);
}

UploadName::~UploadName()
{
    const std::lock_guard lock(InUseMutex());
    InUse().erase(name_);
}

Leftover ClassifyUpload(std::string_view name)
{
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix))
        return Leftover::No;
    std::string_view middle
        = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    const std::size_t first = middle.find('-');
    const std::size_t last = middle.rfind('-');
    if (first == std::string_view::npos || first == last)
        return Leftover::No;
    if (middle.substr(0, first) != MachineName())
        return Leftover::WhenOlderThanAnHour;
    const std::string_view digits = middle.substr(first + 1, last - first - 1);
    pid_t process = 0;
    const auto [end, error]
        = std::from_chars(digits.data(), digits.data() + digits.size(), process);
    if (error != std::errc() || end != digits.data() + digits.size() || process <= 0)
        return Leftover::No;
    if (process == ::getpid())
        return IsInUse(name) ? Leftover::No : Leftover::Yes;
    return ProcessIsGone(process) ? Leftover::Yes : Leftover::No;
}
