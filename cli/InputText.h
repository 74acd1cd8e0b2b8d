#pragma once

// Text that a command takes from a file or a pipe, as jq, xmlstarlet and git
// take it: "-" stands for standard input, any other operand names a file.
// Either is read whole, up to a limit, and a file only when it is a regular
// file, so that a FIFO or a device named by mistake cannot hang the tool.

#include <cstddef>
#include <istream>
#include <string>

struct InputText {
    std::string bytes;
    std::string name;   // as messages name it: the path, or "(standard input)"
    std::string error;  // why it could not be read; empty when it was
};

inline constexpr std::string_view kStandardInput = "-";

InputText ReadInputText(const std::string& operand, std::istream& standardInput, std::size_t limit);
