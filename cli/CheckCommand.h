#pragma once

// Reads profile files from any path with the profile reader, the same reader
// the window loads with, and reports for each whether it would load.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunCheck(const Invocation& invocation, Console& console);
