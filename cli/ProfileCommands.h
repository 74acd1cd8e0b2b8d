#pragma once

// The commands on the profiles of the current folder, with the window's rules:
// list them, show one, change one, create one.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunList(const Invocation& invocation, Console& console);
ExitStatus RunShow(const Invocation& invocation, Console& console);
ExitStatus RunSet(const Invocation& invocation, Console& console);
ExitStatus RunNew(const Invocation& invocation, Console& console);
