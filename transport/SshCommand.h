#pragma once

// The command lines Quavel runs ssh with. Only what Quavel must decide is
// given on the command line: strict host key checking, the time-outs, no
// forwarding and no terminal. Everything else (aliases, User, Port,
// IdentityFile, ProxyJump, the agent) comes from the user's configuration,
// exactly as for "ssh host".

#include "transport/Location.h"
#include "transport/Transfer.h"
#include "transport/TransportResult.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Unknown and changed host keys are refused; accepting one is TrustHostKey's.
inline constexpr std::array<std::string_view, 1> kStrictHostKeys{"StrictHostKeyChecking=yes"};

// ssh and its options for the location (-F, -p, -l and Quavel's -o), without
// the host. hostKeyOptions come first, so that they win over the user's.
std::vector<std::string> SshOptions(const Location& location, const TransportOptions& options,
    std::span<const std::string_view> hostKeyOptions = kStrictHostKeys);
// The whole command that starts the SFTP subsystem.
std::vector<std::string> SftpCommand(const Location& location, const TransportOptions& options,
    std::span<const std::string_view> hostKeyOptions = kStrictHostKeys);
// ssh -G: the configuration ssh would use for the location.
std::vector<std::string> EffectiveConfigurationCommand(
    const Location& location, const TransportOptions& options);

// ssh's failure, from what it wrote on its error stream, in words.
TransportResult DescribeSshFailure(std::string_view errors, const Location& location);
