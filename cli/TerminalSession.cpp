#include "cli/TerminalSession.h"

#include "cli/PublishProgress.h"
#include "cli/TerminalPassword.h"

#include <unistd.h>

MessageAnswer ConsoleDialogs::ShowApplicationMessage(
    const std::string& text, MessageButtons buttons)
{
    console_.Error(text);
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

void ConsoleDialogs::ShowWindowMessage(const std::string&, const std::string& text)
{
    console_.Error(text);
}

std::vector<TransportResult> ConsoleDialogs::WatchPublish(
    const std::vector<std::string>& labels, const WatchedPublish& publish)
{
    PublishProgress progress(console_, labels,
        ::isatty(STDERR_FILENO) ? RowStyle::RewrittenInPlace : RowStyle::PlainLines);
    return publish({[&progress](const DestinationUpdate& update) { progress.Show(update); },
        AskOnTerminal, {}});
}
