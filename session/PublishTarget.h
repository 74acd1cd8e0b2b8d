#pragma once

// Where a profile can be published: the window's "Publish To" choices and
// quavel-cli's --to values.

#include "session/InstallLookup.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

enum class PublishTarget { WorkingFolder, Server, Game, Both };

struct PublishTargetEntry {
    PublishTarget target;
    std::string_view name;  // as --to spells it
    // The installs published to, in order; none for the working folder.
    std::span<const InstallKind> installs;
};

// In the order quavel-cli's help lists them.
inline constexpr std::array<PublishTargetEntry, 4> publishTargets{{
    {PublishTarget::Server, "server", std::span(installKinds).first(1)},
    {PublishTarget::Game, "game", std::span(installKinds).subspan(1, 1)},
    {PublishTarget::Both, "both", std::span(installKinds)},
    {PublishTarget::WorkingFolder, "cwd", {}},
}};

const PublishTargetEntry& EntryOf(PublishTarget target);
const PublishTargetEntry* FindPublishTarget(std::string_view name);
// "server, game, both, cwd".
std::string PublishTargetNames();
