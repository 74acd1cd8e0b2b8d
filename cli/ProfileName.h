#pragma once

// Profile names as the command line gives them. Names address files of the
// current folder only.

#include "cli/Console.h"

#include <string>

// True for "Default" and for names that IsSafeProfileName accepts; otherwise
// says why on err.
bool CheckProfileName(const std::string& name, Console& console);

bool IsDefaultProfileName(const std::string& name);
