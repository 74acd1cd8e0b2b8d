#pragma once

// Finds the game's and the server's installs in every Wine prefix on the
// machine and in the folders chosen by hand, and picks the one to publish to
// for each: the first usable install in the order of DiscoverPrefixes, a
// chosen folder coming right after $WINEPREFIX. When none is usable it says
// why, in the words of InstallProblem. Each system.reg is read once, for both
// keys, and kept until its size or modification time changes, so the same
// object can search again cheaply after the user chooses another folder.

#include "installs/GameDir.h"
#include "installs/InstallFinder.h"
#include "installs/PrefixDiscovery.h"

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

enum class Product { Server, Game };  // the order the window publishes in

struct FoundInstall {
    InstallSource source = InstallSource::ChosenFolder;
    std::filesystem::path prefixFolder;  // empty for a chosen folder
    // found is set, folder is empty when the drive has no link; the settings
    // folder is created only for the install in use, and only when asked.
    InstallLocation location;
    InstallProblem problem = InstallProblem::None;  // None when it can be published to
    std::string problemDetail;

    // "Lutris: /home/me/Games/bfv", or "chosen folder".
    std::string SourceText() const;
    std::string ProblemText() const { return DescribeProblem(problem, problemDetail); }
};

struct ProductInstalls {
    // The chosen folder, every prefix whose key exists and every prefix whose
    // registry cannot be read, in order of preference.
    std::vector<FoundInstall> found;
    std::optional<std::size_t> inUse;  // into found
    // Why none is in use: the problem of the first install found, else that of
    // the first prefix (the key it lacks), else NoPrefix.
    InstallProblem problem = InstallProblem::None;
    std::string problemDetail;

    const FoundInstall* InUse() const { return inUse ? &found[*inUse] : nullptr; }
    // The publish path in use, or the reason there is none.
    std::string PublishPathOrReason() const;
};

struct InstallsFound {
    std::vector<FoundPrefix> prefixes;
    std::array<ProductInstalls, 2> products;  // by Product
    // The settings file and the prefix managers' lists the search could not
    // use. A system.reg that cannot be read shows as an install of its
    // prefix, with the problem RegistryUnreadable.
    std::vector<SkippedFile> skippedFiles;

    const ProductInstalls& Of(Product product) const
    {
        return products[static_cast<std::size_t>(product)];
    }
};

class InstallDiscovery {
public:
    // creation decides whether the settings folder of each install in use is
    // created (at start-up) or only looked for (to list the installs).
    InstallsFound Find(const InstallSearch& search, FolderCreation creation);

private:
    struct RegistryReadings {
        RegistryStamp stamp;
        bool readable = false;
        std::optional<SkippedFile> skipped;  // why it is not readable, when it exists
        std::array<GameDirReading, 2> byProduct;
    };

    const RegistryReadings& ReadingsOf(const FoundPrefix& found);

    std::map<std::filesystem::path, RegistryReadings> cache_;  // by system.reg
};
