#include "cli/Console.h"

void Console::Error(std::string_view message) const
{
    // What was written before belongs before the message, also when both go to one terminal.
    out.flush();
    do {
        const std::size_t end = std::min(message.find('\n'), message.size());
        err << kProgramName << ": " << message.substr(0, end) << '\n';
        message.remove_prefix(std::min(end + 1, message.size()));
    } while (!message.empty());
}
