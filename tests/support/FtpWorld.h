#pragma once

// A real FTP server for a test (pyftpdlib, run with Debian's python3), either
// plain or with explicit TLS and a throwaway self-signed certificate. Its one
// user, "quavel" with the password "secret", has home() as its folder; netrc()
// holds that login for Options().

#include "tests/support/ServerProcess.h"
#include "tests/support/TestFolder.h"
#include "transport/ChildProcess.h"
#include "transport/Transfer.h"

#include <memory>

inline constexpr std::string_view kFtpUser = "quavel";
inline constexpr std::string_view kFtpPassword = "secret";

enum class FtpSecurity { Plain, Tls };

class FtpWorld : public TestFolder {
public:
    explicit FtpWorld(FtpSecurity security)
        : port_(FreePort())
    {
        std::filesystem::create_directories(home());
        std::vector<std::string> arguments{"/usr/bin/python3", QUAVEL_FTP_SERVER, "--port",
            std::to_string(port_), "--home", home().string(), "--user", std::string(kFtpUser),
            "--password", std::string(kFtpPassword)};
        if (security == FtpSecurity::Tls) {
            Run({"openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                    "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1", "-subj",
                    "/CN=localhost", "-keyout", (path() / "key.pem").string(), "-out",
                    (path() / "cert.pem").string()},
                {});
            arguments.insert(arguments.end(),
                {"--certificate", (path() / "cert.pem").string(), "--key",
                    (path() / "key.pem").string()});
        }
        Write("netrc", "machine 127.0.0.1\n  login quavel\n  password secret\n");
        server_ = std::make_unique<ServerProcess>(arguments, path() / "ftp.log");
        server_->AwaitPort(port_);
    }

    std::filesystem::path home() const { return path() / "home"; }
    int port() const { return port_; }
    ServerProcess& server() { return *server_; }
    // "ftps://127.0.0.1:PORT" and the like.
    std::string Url(std::string_view scheme, std::string_view userAt = "") const
    {
        return std::string(scheme) + "://" + std::string(userAt)
            + "127.0.0.1:" + std::to_string(port_);
    }
    TransportOptions Options(bool withNetrc = true) const
    {
        TransportOptions options;
        options.netrcFile = withNetrc ? path() / "netrc" : path() / "no-netrc";
        options.connectTimeout = std::chrono::seconds(2);
        options.stallTimeout = std::chrono::seconds(2);
        return options;
    }
    // The certificate's key as a pin, worked out by openssl alone.
    std::string Pin() const
    {
        const std::string key = Run(
            {"openssl", "x509", "-in", (path() / "cert.pem").string(), "-pubkey", "-noout"}, {});
        const std::string der = Run({"openssl", "pkey", "-pubin", "-outform", "der"}, key);
        const std::string digest = Run({"openssl", "dgst", "-sha256", "-binary"}, der);
        std::string base64 = Run({"openssl", "base64", "-A"}, digest);
        return "sha256//" + base64;
    }

private:
    static std::string Run(const std::vector<std::string>& arguments, std::string_view input)
    {
        const ProgramRun run = RunProgram(arguments, {}, input, std::chrono::seconds(30));
        if (run.status != 0)
            throw std::runtime_error(arguments.front() + " failed: " + run.errors);
        return run.output;
    }

    int port_;
    std::unique_ptr<ServerProcess> server_;
};
