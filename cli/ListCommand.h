#pragma once

// Lists the profiles of the current folder, as the window's list shows them,
// one name a line or as a JSON array.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunList(const Invocation& invocation, Console& console);
