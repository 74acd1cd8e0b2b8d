#include "cli/AssignmentSource.h"

#include "cli/InputText.h"
#include "text/Translated.h"

#include <string_view>
#include <utility>

namespace {

// A list of assignments is a few kilobytes; anything near this is a mistake.
constexpr std::size_t kMaximumInputBytes = 1024 * 1024;
constexpr char kFilePrefix = '@';

std::string_view Trimmed(std::string_view line)
{
    const std::size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string_view::npos)
        return {};
    return line.substr(start, line.find_last_not_of(" \t\r") - start + 1);
}

void AppendLines(const InputText& input, std::vector<AssignmentText>& assignments)
{
    std::string_view text = input.bytes;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && !line.starts_with('#'))
            assignments.push_back({std::string(line), input.name + ':' + std::to_string(number)});
    }
}

}  // namespace

std::variant<std::vector<AssignmentText>, std::string> GatherAssignments(
    std::span<const std::string> arguments, std::istream& standardInput)
{
    std::vector<AssignmentText> assignments;
    bool standardInputRead = false;
    for (const std::string& argument : arguments) {
        const bool fromInput = argument == kStandardInput;
        if (!fromInput && !argument.starts_with(kFilePrefix)) {
            assignments.push_back({argument, ""});
            continue;
        }
        if (fromInput && std::exchange(standardInputRead, true))
            return std::string(Translated("\"-\" can be given once: standard input is read once."));
        const InputText input = ReadInputText(
            fromInput ? argument : argument.substr(1), standardInput, kMaximumInputBytes);
        if (!input.error.empty())
            return input.name + ": " + input.error;
        AppendLines(input, assignments);
    }
    return assignments;
}
