#pragma once

// The output formats of a command, chosen by --format=NAME, with --json
// standing for --format=json.

#include "cli/CommandLine.h"
#include "cli/Console.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

template <typename Writer> struct OutputFormat {
    std::string_view name;
    Writer write;
};

// The writer of the format asked for, the first one when none is; none after
// a message naming the valid ones.
template <typename Writer, std::size_t count>
std::optional<Writer> ChosenFormat(const std::array<OutputFormat<Writer>, count>& formats,
    const Invocation& invocation, Console& console)
{
    const std::string name = invocation.Has("--json")
        ? "json"
        : invocation.Value("--format").value_or(std::string(formats.front().name));
    std::string names;
    for (std::size_t index = 0; index < count; ++index) {
        if (formats[index].name == name)
            return formats[index].write;
        names += std::string(index == 0       ? ""
                         : index + 1 == count ? " or "
                                              : ", ")
            + std::string(formats[index].name);
    }
    console.err << "quavel-cli: Unknown format \"" << name << "\": " << names << ".\n";
    return std::nullopt;
}
