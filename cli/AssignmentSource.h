#pragma once

// Where set takes its assignments from: its arguments, and the lines of files
// and of standard input, so that one profile's settings can be piped into
// another ("show A --format=set | set B -") or kept in a file ("set B @FILE").

#include <istream>
#include <span>
#include <string>
#include <variant>
#include <vector>

struct AssignmentText {
    std::string text;
    std::string origin;  // "" for an argument; "FILE:LINE" for a line read
};

// KEY=VALUE as it is, "-" for the lines of standard input, "@FILE" for the
// lines of FILE, in the order given. Blank lines and lines that start with
// "#" are skipped; spaces around a line and a CR before its line end are not
// part of it. A message when an input cannot be read, or "-" comes twice.
std::variant<std::vector<AssignmentText>, std::string> GatherAssignments(
    std::span<const std::string> arguments, std::istream& standardInput);
