#pragma once

// The editing session for one command of the tool. A terminal has no
// dialogs: the session's messages go to the error stream, one text each
// (window titles left out), and nothing is asked: a question counts as
// answered No, or Cancel where it has one.

#include "cli/Console.h"
#include "session/Dialogs.h"
#include "session/EditingSession.h"
#include "session/SessionView.h"

class ConsoleDialogs : public Dialogs {
public:
    explicit ConsoleDialogs(Console& console)
        : console_(console)
    {
    }

    MessageAnswer ShowApplicationMessage(const std::string& text, MessageButtons buttons) override;
    void ShowWindowMessage(const std::string& title, const std::string& text) override;
    std::optional<std::string> AskSaveFileName(const std::string&) override { return std::nullopt; }
    std::optional<std::string> AskFolder(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> AskText(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    // The rows of the destinations on the error stream (see PublishProgress);
    // passwords asked on the terminal.
    std::vector<TransportResult> WatchPublish(
        const std::vector<std::string>& labels, const WatchedPublish& publish) override;

private:
    Console& console_;
};

struct TerminalSession {
    explicit TerminalSession(Console& console)
        : dialogs(console)
        , session(dialogs, view)
    {
    }

    ConsoleDialogs dialogs;
    SilentView view;
    EditingSession session;
};
