#include "cli/TerminalSession.h"

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
