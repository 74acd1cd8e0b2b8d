#pragma once

// The tool from its arguments (without the program name) to its exit status:
// reads the command line, runs the command or prints help, version or a usage
// message.

#include "cli/Console.h"

#include <string>
#include <vector>

ExitStatus RunCli(const std::vector<std::string>& arguments, Console& console);
