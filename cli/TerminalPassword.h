#pragma once

// A password or passphrase asked on the controlling terminal (/dev/tty, as
// ssh asks), with echo off, so that it works while the output is piped. It
// is kept in memory only; none without a terminal or when the user ends
// the input.

#include "transport/Transfer.h"

#include <optional>
#include <string>

std::optional<std::string> AskOnTerminal(const CredentialQuestion& question);
