#pragma once

// The commands that change the profiles of the current folder, with the
// window's rules: change one, create one.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunSet(const Invocation& invocation, Console& console);
ExitStatus RunNew(const Invocation& invocation, Console& console);
