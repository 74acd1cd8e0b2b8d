#pragma once

// The byte stream of an SFTP session: ssh's standard input and output, with
// its error stream collected for the reason of a failure and its password
// questions answered through the AskpassServer, all in one poll loop. Every
// wait ends after the stall time-out without a byte moving, and, where the
// caller allows it, as soon as a stop is requested.

#include "transport/AskpassServer.h"
#include "transport/ChildProcess.h"
#include "transport/Location.h"
#include "transport/Transfer.h"
#include "transport/TransportResult.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

class SshChannel {
public:
    SshChannel(
        const Location& location, const TransportOptions& options, const TransferControl& control);
    ~SshChannel();

    // Starts ssh with the SFTP subsystem; a failure here is only that of starting ssh.
    TransportResult Start();
    TransportResult Send(std::string_view bytes, Interruption interruption);
    // The next count bytes, the first waited for at most firstByteTimeout
    // (the stall time-out when zero).
    TransportResult Receive(std::size_t count, std::string& bytes, Interruption interruption,
        std::chrono::milliseconds firstByteTimeout = {});
    // Ends the session politely: ssh sees the end of its input and exits.
    void Finish();
    // A question about an unknown host key that was refused (see AskpassServer).
    const std::string& refusedHostKeyQuestion() const;

private:
    TransportResult Pump(std::string_view& outgoing, std::size_t wanted, Interruption interruption,
        std::chrono::milliseconds idleLimit);
    TransportResult Ended();
    void ReadErrors();

    const Location& location_;
    const TransportOptions& options_;
    const TransferControl& control_;
    AskpassServer askpass_;
    std::unique_ptr<ChildProcess> ssh_;
    std::string incoming_;
    std::string errors_;
};
