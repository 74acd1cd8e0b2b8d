#pragma once

// Shows the publish journal, oldest first: when each profile was published,
// where to, and the size and SHA-256 of what was written there. A line of the
// journal that is not a record is skipped with a warning.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunLog(const Invocation& invocation, Console& console);
