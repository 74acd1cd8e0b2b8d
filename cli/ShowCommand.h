#pragma once

// Shows one profile of the current folder: as a table, as JSON or as the
// KEY=VALUE lines that set accepts.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunShow(const Invocation& invocation, Console& console);
