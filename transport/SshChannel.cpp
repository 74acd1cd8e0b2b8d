#include "transport/SshChannel.h"

#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/SshCommand.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace {

constexpr auto kStopCheckInterval = std::chrono::milliseconds(100);
constexpr auto kExitWait = std::chrono::seconds(2);
constexpr std::size_t kErrorLimit = 64 * 1024;
constexpr std::size_t kReadSize = 64 * 1024;

using Clock = std::chrono::steady_clock;

}  // namespace

SshChannel::SshChannel(
    const Location& location, const TransportOptions& options, const TransferControl& control)
    : location_(location)
    , options_(options)
    , control_(control)
    , askpass_(options.askpassProgram)
{
}

SshChannel::~SshChannel() = default;

TransportResult SshChannel::Start()
{
    if (askpass_.error())
        return Failure(Outcome::Failed,
            Formatted(Translated("Could not prepare the password helper: %s."),
                {SystemErrorText(askpass_.error())}));
    std::vector<std::string> environment = askpass_.Environment();
    environment.insert(environment.end(), options_.environment.begin(), options_.environment.end());
    ssh_ = std::make_unique<ChildProcess>(SftpCommand(location_, options_), environment);
    if (ssh_->error())
        return Failure(Outcome::Failed,
            Formatted(Translated("Could not run %1$s: %2$s."),
                {options_.sshProgram, SystemErrorText(ssh_->error())}));
    return {};
}

TransportResult SshChannel::Send(std::string_view bytes, Interruption interruption)
{
    return Pump(bytes, 0, interruption, options_.stallTimeout);
}

TransportResult SshChannel::Receive(std::size_t count, std::string& bytes,
    Interruption interruption, std::chrono::milliseconds firstByteTimeout)
{
    std::string_view nothing;
    const auto limit = firstByteTimeout.count() > 0 ? firstByteTimeout : options_.stallTimeout;
    if (TransportResult result = Pump(nothing, count, interruption, limit); !result.IsDone())
        return result;
    bytes.assign(incoming_, 0, count);
    incoming_.erase(0, count);
    return {};
}

void SshChannel::Finish()
{
    if (!ssh_)
        return;
    ssh_->CloseInput();
    ssh_->Wait(kExitWait);
}

const std::string& SshChannel::refusedHostKeyQuestion() const
{
    return askpass_.refusedHostKeyQuestion();
}

void SshChannel::ReadErrors()
{
    std::array<char, 4096> buffer{};
    for (ssize_t got; (got = ::read(ssh_->errors(), buffer.data(), buffer.size())) > 0;) {
        if (errors_.size() < kErrorLimit)
            errors_.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

// The stream ended: ssh failed, or the server went away.
TransportResult SshChannel::Ended()
{
    ssh_->Wait(kExitWait);
    ReadErrors();
    TransportResult result = DescribeSshFailure(errors_, location_);
    if (result.outcome == Outcome::Failed && errors_.empty())
        result.reason = Formatted(Translated("The connection to %s was lost."), {location_.host});
    return result;
}

TransportResult SshChannel::Pump(std::string_view& outgoing, std::size_t wanted,
    Interruption interruption, std::chrono::milliseconds idleLimit)
{
    auto lastMove = Clock::now();
    while (!outgoing.empty() || incoming_.size() < wanted) {
        if (interruption == Interruption::OnStop && control_.stop.stop_requested())
            return Failure(Outcome::Cancelled, Translated("Cancelled."));
        if (Clock::now() - lastMove > idleLimit)
            return Failure(Outcome::TimedOut,
                Formatted(Translated("The server %1$s stopped answering: nothing came for %2$s s."),
                    {location_.host, std::to_string(WholeSeconds(idleLimit))}));
        std::array<pollfd, 4> watched{{{ssh_->output(), POLLIN, 0}, {ssh_->errors(), POLLIN, 0},
            {askpass_.listener(), POLLIN, 0}, {outgoing.empty() ? -1 : ssh_->input(), POLLOUT, 0}}};
        if (::poll(watched.data(), watched.size(), kStopCheckInterval.count()) < 0) {
            if (errno == EINTR)
                continue;
            return Failure(Outcome::Failed,
                Formatted(Translated("Waiting for ssh failed: %s"), {SystemErrorText(errno)}));
        }
        if (watched[1].revents != 0)
            ReadErrors();
        if (watched[2].revents & POLLIN) {
            askpass_.AnswerOne(control_.credentials, location_.text);
            lastMove = Clock::now();  // the user may have taken a while
        }
        if (watched[3].revents != 0) {
            const ssize_t written = ssh_->WriteInput(outgoing);
            if (written < 0 && errno != EAGAIN && errno != EINTR)
                return Ended();
            if (written > 0) {
                outgoing.remove_prefix(static_cast<std::size_t>(written));
                lastMove = Clock::now();
            }
        }
        if (watched[0].revents != 0) {
            std::array<char, kReadSize> buffer;
            const ssize_t got = ::read(ssh_->output(), buffer.data(), buffer.size());
            if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
                return Ended();
            if (got > 0) {
                incoming_.append(buffer.data(), static_cast<std::size_t>(got));
                lastMove = Clock::now();
            }
        }
    }
    return {};
}
