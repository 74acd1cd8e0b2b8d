#include "session/TransportEnvironment.h"

#include <cstdlib>

TransportOptions TransportOptionsOfProcess()
{
    TransportOptions options;
    if (const char* file = std::getenv("QUAVEL_SSH_CONFIG"); file && *file)
        options.sshConfigFile = file;
    return options;
}
