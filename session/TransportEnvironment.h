#pragma once

// The transport's options for this process. ssh reads its own configuration
// (~/.ssh/config of the password database's home) unless $QUAVEL_SSH_CONFIG
// names another file, as "ssh -F" would: for a set-up kept apart from the
// user's own, and for tests.

#include "transport/Transfer.h"

TransportOptions TransportOptionsOfProcess();
