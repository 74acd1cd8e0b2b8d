#pragma once

// Compares two profiles setting by setting, each a profile of the current
// folder, "Default" or what a publish target holds (@server, @game, @cwd):
// one line per differing setting as the window's compare window lists it
// ("Red Team: NVA / ARVN"), or "-KEY=VALUE" and "+KEY=VALUE" lines with
// --format=set, or JSON. As diff(1): 0 the same, 1 they differ, 2 trouble.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunDiff(const Invocation& invocation, Console& console);
