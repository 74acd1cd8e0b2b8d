#pragma once

// Where a command writes: normal output (lists, tables, reports) to out,
// messages about failures to err. The exit status tells a script the outcome.
// Text given on standard input ("-" as an operand) comes from in.

#include <istream>
#include <ostream>

enum class ExitStatus { Success = 0, Failed = 1, UsageError = 2 };

struct Console {
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
};
