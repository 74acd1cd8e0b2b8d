#pragma once

// A publish target named as an operand: "@server", "@game" or "@cwd" stand
// for the CustomCombat.wst that publishing to it writes (for the server, its
// local install), "@server:NAME" for a server of the settings file, whose
// file is fetched.

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "session/PublishTargets.h"

#include <optional>
#include <string_view>

bool IsTargetOperand(std::string_view operand);

// The destination of the install of that kind in use, looked up without
// creating any folder; none after a message.
std::optional<PublishDestination> InstallDestination(
    const InstallKind& kind, const Invocation& invocation, Console& console);

// The destination the operand names, its install looked up without creating
// any folder; none after a message.
std::optional<PublishDestination> FindTargetDestination(
    std::string_view operand, const Invocation& invocation, Console& console);
