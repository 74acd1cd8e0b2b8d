#pragma once

#include "cli/CommandLine.h"
#include "cli/Console.h"

// trust-host HOST: shows the SSH host's key and adds it to known_hosts.
ExitStatus RunTrustHost(const Invocation& invocation, Console& console);
// import SOURCE NEWNAME: a target's CustomCombat.wst as a new profile.
ExitStatus RunImport(const Invocation& invocation, Console& console);
