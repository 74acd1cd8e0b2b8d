#include "transport/Transfer.h"

#include <algorithm>

int WholeSeconds(std::chrono::milliseconds duration)
{
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(duration).count();
    return static_cast<int>(std::max<std::chrono::seconds::rep>(seconds, 1));
}
