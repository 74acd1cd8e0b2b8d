#pragma once

// Compares two profiles setting by setting, the way diff compares files: the
// settings that differ as "-KEY=VALUE" (first profile) and "+KEY=VALUE"
// (second) lines, exit status 1 when any differ.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunDiff(const Invocation& invocation, Console& console);
