#include "cli/TextWrap.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

namespace {

constexpr std::size_t kDefaultWidth = 80;
// A label is a short word before ": " at the start of a line.
constexpr std::size_t kLongestLabel = 12;

std::size_t HangingIndent(std::string_view line)
{
    const std::size_t label = line.find(": ");
    if (label != std::string_view::npos && label <= kLongestLabel && line.find(' ') == label + 1)
        return label + 2;
    return std::min(line.find_first_not_of(' '), line.size());
}

void AppendWrapped(std::string& wrapped, std::string_view line, std::size_t width)
{
    const std::size_t indent = HangingIndent(line);
    std::size_t room = width;  // the first line has the whole width
    while (line.size() > room) {
        const std::size_t space = line.rfind(' ', room);
        if (space == std::string_view::npos || space == 0)
            break;  // a word longer than the line is left whole
        wrapped.append(line.substr(0, space)).append("\n").append(indent, ' ');
        line.remove_prefix(space + 1);
        room = width > indent + 1 ? width - indent : 1;
    }
    wrapped.append(line).append("\n");
}

}  // namespace

std::string WrapLines(std::string_view text, std::size_t width)
{
    std::string wrapped;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        AppendWrapped(wrapped, text.substr(0, end), width);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return wrapped;
}

std::size_t OutputWidth()
{
    winsize size{};
    if (::isatty(STDOUT_FILENO) && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0
        && size.ws_col > 0)
        return size.ws_col;
    return kDefaultWidth;
}
