#pragma once

// The output formats of a command, chosen by --format=NAME, with --json
// standing for --format=json.

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "session/Suggestion.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

template <typename Writer> struct OutputFormat {
    std::string_view name;
    Writer write;
};

// The writer of the format asked for, the first one when none is; none after
// a message naming the valid ones, or both options when --json contradicts
// --format.
template <typename Writer, std::size_t count>
std::optional<Writer> ChosenFormat(const std::array<OutputFormat<Writer>, count>& formats,
    const Invocation& invocation, Console& console)
{
    const std::optional<std::string> chosen = invocation.Value("--format");
    if (invocation.Has("--json") && chosen && *chosen != "json") {
        console.Error("--json and --format=" + *chosen + " cannot be used together.");
        return std::nullopt;
    }
    const std::string name
        = invocation.Has("--json") ? "json" : chosen.value_or(std::string(formats.front().name));
    std::vector<std::string_view> names;
    for (const OutputFormat<Writer>& format : formats) {
        if (format.name == name)
            return format.write;
        names.push_back(format.name);
    }
    std::string listed;
    for (const std::string_view valid : names)
        listed.append(listed.empty() ? "" : ", ").append(valid);
    console.Error("Unknown format \"" + name + "\"." + DidYouMean(name, names) + " Formats: "
        + listed + ".");
    return std::nullopt;
}
