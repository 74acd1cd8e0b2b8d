#pragma once

// Where Quavel keeps what it must remember between runs and is no setting:
// $XDG_STATE_HOME/quavel, else ~/.local/state/quavel; empty when neither
// variable holds an absolute path. Read afresh at each call, so that tests
// and kill probes can point it elsewhere.

#include <filesystem>

std::filesystem::path StateFolder();
