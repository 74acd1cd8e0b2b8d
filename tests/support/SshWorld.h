#pragma once

// Real OpenSSH servers for a test: sshd on free ports of 127.0.0.1 with
// throwaway host keys, a client key in authorized_keys, and an ssh
// configuration of the test's own (ssh reads ~/.ssh from the password
// database, not $HOME, so the transports get it through -F). Its aliases:
//   bfv          User, Port, IdentityFile of the first server
//   via-jump     the first server through ProxyJump over the second (jump)
//   by-agent     the first server, logging in with the key in an ssh-agent
//   locked       the first server with a key that has the passphrase "sesame"
//   stranger     the first server with a key it does not accept
//   127.0.0.1    any of the servers, by its port
// known_hosts knows both servers' keys until a test says otherwise. The SFTP
// home folder of the login is home().

#include "tests/support/ServerProcess.h"
#include "tests/support/TestFolder.h"
#include "transport/ChildProcess.h"
#include "transport/Transfer.h"

#include <pwd.h>
#include <sys/stat.h>

#include <array>
#include <memory>
#include <optional>

inline constexpr std::string_view kTestPassphrase = "sesame";

class SshWorld : public TestFolder {
public:
    // At least two servers: the second is the jump host.
    explicit SshWorld(std::size_t serverCount = 2)
        : ports_(serverCount)
        , servers_(serverCount)
    {
        std::filesystem::create_directories(path() / "home");
        // sshd's privilege separation folder, which only root needs and may create.
        std::error_code ignored;
        std::filesystem::create_directories("/run/sshd", ignored);
        for (const char* key : {"client_key", "stranger_key", "other_host_key"})
            MakeKey(key, "");
        for (std::size_t index = 0; index < serverCount; ++index)
            MakeKey(HostKeyName(index), "");
        MakeKey("locked_key", kTestPassphrase);
        Write("authorized_keys", Read("client_key.pub") + Read("locked_key.pub"));
        for (int& port : ports_)
            port = FreePort();
        WriteClientConfiguration();
        TrustServers();
        for (std::size_t index = 0; index < servers_.size(); ++index)
            StartServer(index);
    }

    std::filesystem::path home() const { return path() / "home"; }
    int port(std::size_t index = 0) const { return ports_[index]; }
    ServerProcess& server(std::size_t index = 0) { return *servers_[index]; }

    // Options for the transports: this configuration, short time-outs.
    TransportOptions Options() const
    {
        TransportOptions options;
        options.sshConfigFile = path() / "ssh_config";
        options.askpassProgram = QUAVEL_ASKPASS_PROGRAM;
        options.connectTimeout = std::chrono::seconds(2);
        options.stallTimeout = std::chrono::seconds(2);
        return options;
    }

    void StartServer(std::size_t index)
    {
        const std::string name = "sshd_config_" + std::to_string(index);
        Write(name, ServerConfiguration(index));
        servers_[index] = std::make_unique<ServerProcess>(
            std::vector<std::string>{"/usr/sbin/sshd", "-D", "-e", "-f", (path() / name).string()},
            path() / "sshd.log");
        servers_[index]->AwaitPort(ports_[index]);
    }
    void StartAgent()
    {
        agent_ = std::make_unique<ServerProcess>(
            std::vector<std::string>{"ssh-agent", "-D", "-a", (path() / "agent.socket").string()},
            path() / "agent.log");
        agent_->AwaitFile(path() / "agent.socket");
        Run({"ssh-add", (path() / "client_key").string()},
            {"SSH_AUTH_SOCK=" + (path() / "agent.socket").string()});
    }
    // known_hosts forgets that server's key and keeps the others'.
    void ForgetHostKey(std::size_t forgotten) const { TrustServers(forgotten); }
    // known_hosts holds another key for the first server, as after a key change.
    void ReplaceHostKey() const { Write("known_hosts", KnownHostsLine(0, "other_host_key.pub")); }
    std::string Fingerprint(std::size_t index = 0) const
    {
        const std::string listed
            = Run({"ssh-keygen", "-l", "-f", (path() / (HostKeyName(index) + ".pub")).string()});
        return listed.substr(
            listed.find(' ') + 1, listed.find(' ', listed.find(' ') + 1) - listed.find(' ') - 1);
    }

    // Logins that all the servers accepted so far.
    std::size_t Logins() const
    {
        const std::string log = Read("sshd.log");
        std::size_t count = 0;
        for (std::size_t at = log.find("Accepted "); at != std::string::npos;
             at = log.find("Accepted ", at + 1))
            ++count;
        return count;
    }

private:
    static std::string Run(
        const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {})
    {
        const ProgramRun run = RunProgram(arguments, environment, {}, std::chrono::seconds(30));
        if (run.status != 0)
            throw std::runtime_error(arguments.front() + " failed: " + run.errors);
        return run.output;
    }
    void MakeKey(const std::string& name, std::string_view passphrase) const
    {
        Run({"ssh-keygen", "-q", "-t", "ed25519", "-N", std::string(passphrase), "-C", name, "-f",
            (path() / name).string()});
    }
    std::string KnownHostsLine(std::size_t index, const std::string& keyFile) const
    {
        const std::string key = Read(keyFile);
        return "[127.0.0.1]:" + std::to_string(ports_[index]) + " " + key.substr(0, key.rfind(' '))
            + "\n";
    }
    void TrustServers(std::optional<std::size_t> except = std::nullopt) const
    {
        std::string lines;
        for (std::size_t index = 0; index < ports_.size(); ++index) {
            if (index != except)
                lines += KnownHostsLine(index, HostKeyName(index) + ".pub");
        }
        Write("known_hosts", lines);
    }
    static std::string HostKeyName(std::size_t index)
    {
        return "host_key_" + std::to_string(index);
    }
    std::string ServerConfiguration(std::size_t index) const
    {
        const std::string folder = path().string();
        return "Port " + std::to_string(ports_[index])
            + "\nListenAddress 127.0.0.1\n"
              "HostKey "
            + folder + "/" + HostKeyName(index)
            + "\nPidFile none\n"
              "AuthorizedKeysFile "
            + folder
            + "/authorized_keys\nStrictModes no\nUsePAM no\n"
              "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
              "PermitRootLogin prohibit-password\nAllowTcpForwarding yes\nUseDNS no\n"
              "MaxStartups 64\nLogLevel INFO\n"
              "Subsystem sftp internal-sftp -d "
            + folder + "/home\n";
    }
    void WriteClientConfiguration() const
    {
        const std::string folder = path().string();
        const std::string user = ::getpwuid(::getuid())->pw_name;
        const auto host
            = [&](const std::string& alias, std::size_t index, const std::string& extra) {
                  return "Host " + alias + "\n  HostName 127.0.0.1\n  Port "
                      + std::to_string(ports_[index]) + "\n  User " + user + "\n" + extra;
              };
        const auto key = [&](const std::string& name) {
            return "  IdentityFile " + folder + "/" + name + "\n  IdentitiesOnly yes\n";
        };
        Write("ssh_config",
            host("bfv", 0, key("client_key")) + host("jump", 1, key("client_key"))
                + host("via-jump", 0, key("client_key") + "  ProxyJump jump\n")
                + host("by-agent", 0, "  IdentityAgent " + folder + "/agent.socket\n")
                + host("locked", 0, key("locked_key")) + host("stranger", 0, key("stranger_key"))
                + "Host 127.0.0.1\n  User " + user + "\n" + key("client_key")
                + "Host *\n  UserKnownHostsFile " + folder
                + "/known_hosts\n"
                  "  GlobalKnownHostsFile /dev/null\n  IdentityAgent none\n  HashKnownHosts no\n"
                  "  UpdateHostKeys no\n  LogLevel ERROR\n");
    }

    std::vector<int> ports_;
    std::vector<std::unique_ptr<ServerProcess>> servers_;
    std::unique_ptr<ServerProcess> agent_;
};
