#pragma once

// Where a profile can be published: the window's "Publish To" choices and
// quavel-cli's --to values.

#include "installs/InstallDiscovery.h"
#include "text/TranslatedText.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class PublishTarget { WorkingFolder, Server, Game, Both };

struct InstallKind {
    Product product;
    TranslatedText caption;    // as the window's "Publish To" buttons name it
    std::string_view name;     // as --to and quavel-cli's JSON spell it
    TranslatedText place;      // as questions name its settings folder
};

// In the order the window publishes to them.
inline constexpr std::array<InstallKind, 2> installKinds{{
    {Product::Server, TranslatedText("Server"), "server", TranslatedText("the server's folder")},
    {Product::Game, TranslatedText("Game"), "game", TranslatedText("the game's folder")},
}};

constexpr const InstallKind& KindOf(Product product)
{
    return installKinds[static_cast<std::size_t>(product)];
}
static_assert(KindOf(Product::Game).product == Product::Game);

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
// The target that publishes to the product's install alone.
PublishTarget TargetOf(Product product);
const PublishTargetEntry* FindPublishTarget(std::string_view name);
// "server, game, both, cwd".
std::string PublishTargetNames();
// The same as a list, for suggestions.
std::vector<std::string_view> PublishTargetNameList();
