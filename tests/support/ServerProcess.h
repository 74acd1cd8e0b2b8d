#pragma once

// A server a test starts (sshd, ssh-agent, an FTP server): its output goes to
// a log file, and it is killed with every process it started when the object
// goes. Tests stop a server (SIGSTOP) to make it stall and kill it mid-way.

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

// A port of 127.0.0.1 that nothing listens on now.
inline int FreePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(probe);
    return ntohs(address.sin_port);
}

inline bool AcceptsConnections(int port)
{
    const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool accepted
        = ::connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(probe);
    return accepted;
}

class ServerProcess {
public:
    ServerProcess(std::vector<std::string> arguments, const std::filesystem::path& log,
        const std::vector<std::string>& environment = {})
    {
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_addopen(
            &actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        ::posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        std::vector<std::string> variables(environment);
        for (char** entry = environ; *entry; ++entry)
            variables.emplace_back(*entry);
        const int error = ::posix_spawnp(&pid_, arguments.front().c_str(), &actions, nullptr,
            Pointers(arguments).data(), Pointers(variables).data());
        ::posix_spawn_file_actions_destroy(&actions);
        if (error)
            throw std::runtime_error("cannot start " + arguments.front());
    }
    ~ServerProcess() { Kill(); }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Waits until the server takes connections on port.
    void AwaitPort(int port) const
    {
        for (int attempt = 0; attempt < 500; ++attempt) {
            if (AcceptsConnections(port))
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        throw std::runtime_error("server did not start on port " + std::to_string(port));
    }
    void AwaitFile(const std::filesystem::path& path) const
    {
        for (int attempt = 0; attempt < 500 && !std::filesystem::exists(path); ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // SIGSTOP or SIGCONT to the server and everything it started.
    void Signal(int signal) const
    {
        for (pid_t process : Tree())
            ::kill(process, signal);
    }
    // Processor time of the server and of the children it has reaped (sshd's
    // connections), in milliseconds.
    double ProcessorMilliseconds() const
    {
        std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
        std::string line;
        std::getline(stat, line);
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string skipped;
        for (int field = 3; field < 14; ++field)
            fields >> skipped;
        double ticks = 0;
        for (int field = 14; field <= 17; ++field) {  // utime, stime, cutime, cstime
            double value = 0;
            fields >> value;
            ticks += value;
        }
        return ticks * 1000 / static_cast<double>(::sysconf(_SC_CLK_TCK));
    }
    void Kill()
    {
        if (pid_ <= 0)
            return;
        for (pid_t process : Tree()) {
            ::kill(process, SIGKILL);
            ::kill(process, SIGCONT);
        }
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    static std::vector<char*> Pointers(std::vector<std::string>& texts)
    {
        std::vector<char*> pointers;
        for (std::string& text : texts)
            pointers.push_back(text.data());
        pointers.push_back(nullptr);
        return pointers;
    }

    // The server and its descendants, found through /proc.
    std::set<pid_t> Tree() const
    {
        std::set<pid_t> tree{pid_};
        for (bool grown = true; grown;) {
            grown = false;
            std::error_code error;
            for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
                std::ifstream stat(entry.path() / "stat");
                std::string line;
                if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
                    continue;
                int parent = 0;
                char state = 0;
                std::istringstream(line.substr(line.rfind(')') + 2)) >> state >> parent;
                const pid_t process = std::atoi(entry.path().filename().c_str());
                if (tree.contains(parent) && tree.insert(process).second)
                    grown = true;
            }
        }
        return tree;
    }

    pid_t pid_ = -1;
};
