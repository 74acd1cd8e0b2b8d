#include "app/ToolkitStartGuard.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

ToolkitStartGuard* activeGuard = nullptr;

std::string Contents(int file)
{
    std::string text;
    char buffer[512];
    for (ssize_t got;
         (got = ::pread(file, buffer, sizeof buffer, static_cast<off_t>(text.size()))) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    return text;
}

// The text's lines without the white space around them, joined with "; ".
std::string OneLine(std::string_view text)
{
    std::string line;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view part = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        part.remove_prefix(std::min(part.find_first_not_of(" \t\r"), part.size()));
        part = part.substr(0, part.find_last_not_of(" \t\r") + 1);
        if (!part.empty())
            line += (line.empty() ? "" : "; ") + std::string(part);
    }
    return line;
}

}  // namespace

ToolkitStartGuard::ToolkitStartGuard(std::string program, DisplayEnvironment environment)
    : program_(std::move(program))
    , environment_(std::move(environment))
{
    // A file rather than a pipe: a pipe would block a writer once full.
    heldStream_ = ::memfd_create("held-error-stream", MFD_CLOEXEC);
    errorStream_ = heldStream_ < 0 ? -1 : ::dup(STDERR_FILENO);
    if (errorStream_ >= 0)
        ::dup2(heldStream_, STDERR_FILENO);
    activeGuard = this;
    previousHandler_ = qInstallMessageHandler(Handle);
}

void ToolkitStartGuard::Handle(
    QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    ToolkitStartGuard& guard = *activeGuard;
    // The toolkit's one fatal condition while it starts is finding no platform.
    if (type == QtFatalMsg)
        guard.Fail();
    const auto copy = [](const char* from) { return from == nullptr ? std::string() : from; };
    const std::lock_guard lock(guard.mutex_);
    guard.messages_.push_back({type, copy(context.category), copy(context.file),
        copy(context.function), context.line, text});
}

void ToolkitStartGuard::Fail()
{
    const std::string reason = environment_.FailureReason(OneLine(HeldOutput()));
    RestoreErrorStream();
    std::fprintf(
        stderr, "%s: %s\n", program_.c_str(), DisplayEnvironment::NoDisplayMessage(reason).c_str());
    std::_Exit(1);
}

void ToolkitStartGuard::End()
{
    if (ended_)
        return;
    ended_ = true;
    qInstallMessageHandler(previousHandler_);
    activeGuard = nullptr;
    const std::string held = HeldOutput();
    RestoreErrorStream();
    std::fwrite(held.data(), 1, held.size(), stderr);
    const std::lock_guard lock(mutex_);
    for (const HeldMessage& message : messages_) {
        const QMessageLogContext context(
            message.file.c_str(), message.line, message.function.c_str(), message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    messages_.clear();
}

std::string ToolkitStartGuard::HeldOutput() const
{
    return heldStream_ < 0 ? std::string() : Contents(heldStream_);
}

void ToolkitStartGuard::RestoreErrorStream()
{
    if (errorStream_ >= 0) {
        ::dup2(errorStream_, STDERR_FILENO);
        ::close(errorStream_);
        errorStream_ = -1;
    }
    if (heldStream_ >= 0) {
        ::close(heldStream_);
        heldStream_ = -1;
    }
}
