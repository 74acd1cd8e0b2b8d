#pragma once

// The process's resident memory now, in kilobytes, as /proc/self/status
// gives it (VmRSS); -1 where it cannot be read.

#include <fstream>
#include <string>

inline long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    }
    return -1;
}
