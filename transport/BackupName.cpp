#include "transport/BackupName.h"

#include <time.h>

#include <array>

std::string BackupName(std::string_view fileName, std::time_t when, int attempt)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y%m%d-%H%M%S", &local);
    std::string name = std::string(fileName) + '.' + stamp.data();
    if (attempt > 0)
        name += '-' + std::to_string(attempt);
    return name + ".bak";
}
