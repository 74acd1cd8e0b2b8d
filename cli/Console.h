#pragma once

// Where a command writes: normal output (lists, tables, reports) to out,
// messages about failures to err. The exit status tells a script the outcome.
// Text given on standard input ("-" as an operand) comes from in.

#include <cstddef>
#include <istream>
#include <ostream>
#include <string_view>

enum class ExitStatus { Success = 0, Failed = 1, UsageError = 2 };

inline constexpr std::string_view kProgramName = "quavel-cli";

struct Console {
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    // The columns help text is fitted to.
    std::size_t width = 80;

    // A message about a failure, as GNU tools write one: each of its lines
    // starts with "quavel-cli: ", so that a log shows which tool said it.
    void Error(std::string_view message) const;
};
