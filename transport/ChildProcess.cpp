#include "transport/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <thread>

extern char** environ;

namespace {

constexpr auto kPollStep = std::chrono::milliseconds(10);
constexpr auto kGraceAfterTerminate = std::chrono::milliseconds(500);
constexpr int kSignalStatusBase = 128;

struct Pipe {
    FileDescriptor read;
    FileDescriptor write;
};

// The input is a socket, so that writing to a program that is gone fails
// with EPIPE instead of raising SIGPIPE in a process that did not ask for it.
int MakeSocketPair(Pipe& pipe)
{
    std::array<int, 2> ends{};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends.data()) != 0)
        return errno;
    pipe.read = FileDescriptor(ends[0]);
    pipe.write = FileDescriptor(ends[1]);
    return 0;
}

int MakePipe(Pipe& pipe)
{
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC) != 0)
        return errno;
    pipe.read = FileDescriptor(ends[0]);
    pipe.write = FileDescriptor(ends[1]);
    return 0;
}

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& added)
{
    std::vector<std::string> merged;
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string_view text(*entry);
        const std::string_view name = text.substr(0, text.find('=') + 1);
        const bool replaced = std::any_of(added.begin(), added.end(),
            [name](const std::string& addition) { return addition.starts_with(name); });
        if (!replaced)
            merged.emplace_back(text);
    }
    merged.insert(merged.end(), added.begin(), added.end());
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

int DecodeStatus(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : kSignalStatusBase + WTERMSIG(status);
}

void SetNonBlocking(int descriptor)
{
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) | O_NONBLOCK);
}

}  // namespace

ChildProcess::ChildProcess(
    const std::vector<std::string>& arguments, const std::vector<std::string>& environment)
{
    std::array<Pipe, 3> pipes;
    if ((error_ = MakeSocketPair(pipes[0])) || (error_ = MakePipe(pipes[1]))
        || (error_ = MakePipe(pipes[2])))
        return;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipes[0].read.get(), STDIN_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, pipes[1].write.get(), STDOUT_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, pipes[2].write.get(), STDERR_FILENO);
    ::posix_spawnattr_init(&attributes);
    sigset_t defaults;
    ::sigemptyset(&defaults);
    ::sigaddset(&defaults, SIGPIPE);
    ::posix_spawnattr_setsigdefault(&attributes, &defaults);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF);
    std::vector<std::string> argumentTexts = arguments;
    std::vector<std::string> environmentTexts = MergedEnvironment(environment);
    error_ = ::posix_spawnp(&pid_, argumentTexts.front().c_str(), &actions, &attributes,
        Pointers(argumentTexts).data(), Pointers(environmentTexts).data());
    ::posix_spawnattr_destroy(&attributes);
    ::posix_spawn_file_actions_destroy(&actions);
    if (error_) {
        pid_ = -1;
        return;
    }
    input_ = std::move(pipes[0].write);
    output_ = std::move(pipes[1].read);
    errors_ = std::move(pipes[2].read);
    for (int descriptor : {input(), output(), errors()})
        SetNonBlocking(descriptor);
}

ChildProcess::~ChildProcess()
{
    End();
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds timeout)
{
    if (pid_ < 0 || status_)
        return status_;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        const pid_t waited = ::waitpid(pid_, &status, WNOHANG);
        if (waited == pid_ || (waited < 0 && errno != EINTR)) {
            status_ = waited == pid_ ? DecodeStatus(status) : -1;
            return status_;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(kPollStep);
    }
}

ssize_t ChildProcess::WriteInput(std::string_view bytes)
{
    return ::send(input(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

void ChildProcess::End()
{
    if (pid_ < 0 || status_)
        return;
    input_.Close();
    ::kill(pid_, SIGTERM);
    if (!Wait(kGraceAfterTerminate)) {
        ::kill(pid_, SIGKILL);
        Wait(std::chrono::hours(1));
    }
}

ProgramRun RunProgram(const std::vector<std::string>& arguments,
    const std::vector<std::string>& environment, std::string_view input,
    std::chrono::milliseconds timeout)
{
    ProgramRun run;
    ChildProcess child(arguments, environment);
    if ((run.error = child.error()))
        return run;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::array<std::string*, 2> sinks{&run.output, &run.errors};
    std::array<bool, 2> open{true, true};
    if (input.empty())
        child.CloseInput();
    while ((open[0] || open[1]) && std::chrono::steady_clock::now() < deadline) {
        std::array<pollfd, 3> watched{{{child.output(), POLLIN, 0}, {child.errors(), POLLIN, 0},
            {child.input(), POLLOUT, 0}}};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (::poll(watched.data(), input.empty() ? 2 : 3, static_cast<int>(left.count()) + 1) < 0
            && errno != EINTR)
            break;
        for (std::size_t stream = 0; stream < 2; ++stream) {
            if (!open[stream] || watched[stream].revents == 0)
                continue;
            std::array<char, 4096> buffer{};
            const ssize_t got = ::read(watched[stream].fd, buffer.data(), buffer.size());
            if (got > 0)
                sinks[stream]->append(buffer.data(), static_cast<std::size_t>(got));
            else if (got == 0 || errno != EAGAIN)
                open[stream] = false;
        }
        if (!input.empty() && watched[2].revents != 0) {
            const ssize_t written = child.WriteInput(input);
            input.remove_prefix(written > 0 ? static_cast<std::size_t>(written) : input.size());
            if (input.empty())
                child.CloseInput();
        }
    }
    run.status = child.Wait(std::chrono::milliseconds(0));
    if (!run.status && !open[0] && !open[1])
        run.status = child.Wait(kGraceAfterTerminate);
    return run;
}
