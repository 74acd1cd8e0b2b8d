#pragma once

// Reports where publishing would write: for the server and the game the
// publish path in use or why there is none, and every install found with the
// prefix or chosen folder it came from; the working folder; the settings
// file. As text or, with --json, for scripts. Reads only; creates nothing.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunTargets(const Invocation& invocation, Console& console);
