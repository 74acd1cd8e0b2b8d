#pragma once

// Every command of the tool with its arguments, options and help, in the
// order the tool's help lists them.

#include "cli/CommandLine.h"

#include <span>

std::span<const CommandSpec> Commands();
