#pragma once

// Shows one profile of the current folder: as a table, as JSON or as the
// KEY=VALUE lines that set accepts.

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "profile/Profile.h"

#include <optional>
#include <string>

ExitStatus RunShow(const Invocation& invocation, Console& console);

// A profile for a command that only reads it: the built-in profile for
// "Default", writing no file (its Default.wst would hold the same values),
// else NAME.wst opened by an editing session; none after the session's
// messages when that cannot be read.
std::optional<Profile> ReadProfileForShowing(const std::string& name, Console& console);
