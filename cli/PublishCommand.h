#pragma once

// Publishes a profile as the window's Publish button does: it saves the
// profile's own file, then copies it to CustomCombat.wst in the settings
// folder of the server, of the game, of both, or in the current folder.

#include "cli/CommandLine.h"
#include "cli/Console.h"

ExitStatus RunPublish(const Invocation& invocation, Console& console);
