#pragma once

// The profiles the current one can be compared with, read without touching
// the session's own: another profile of the working folder, the built-in
// "Default", or what a publish destination's CustomCombat.wst holds.

#include "profile/Profile.h"
#include "transport/Transfer.h"

#include <optional>
#include <string>

struct PublishDestination;

// NAME.wst of the working folder, or the built-in profile for "Default"
// (Default.wst is not written); none with the reason in problem.
std::optional<Profile> ReadNamedProfile(const std::string& name, std::string& problem);
// The destination's file as the reader takes it; none with the reason. A
// server's file is fetched under the control's stop.
std::optional<Profile> ReadPublishedProfile(const PublishDestination& destination,
    std::string& problem, const TransferControl& control = {});
