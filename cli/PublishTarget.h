#pragma once

// Where a profile can be published: the window's "Publish To" choices.

#include "cli/InstallLookup.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct PublishTarget {
    std::string_view name;  // as --to spells it
    // The installs published to, in order; none for the current folder.
    std::span<const InstallKind> installs;
};

inline constexpr std::array<PublishTarget, 4> publishTargets{{
    {"server", std::span(installKinds).first(1)},
    {"game", std::span(installKinds).subspan(1, 1)},
    {"both", std::span(installKinds)},
    {"cwd", {}},
}};

const PublishTarget* FindPublishTarget(std::string_view name);
// "server, game, both, cwd".
std::string PublishTargetNames();
