#pragma once

// Reports where publishing would write: the Wine prefix, each install found
// with its settings folder and publish path, or why it was not found, and the
// current folder. Reads only; creates nothing.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunTargets(const Invocation& invocation, Console& console);
