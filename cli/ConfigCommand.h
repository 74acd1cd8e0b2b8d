#pragma once

// Reads and changes the settings file the window and the tool share:
// "config get KEY" prints the value, "config set KEY VALUE" and "config unset
// KEY" change it. Folders are stored as absolute paths.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunConfig(const Invocation& invocation, Console& console);
