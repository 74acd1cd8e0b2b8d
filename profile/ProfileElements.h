#pragma once

// The elements of a .wst document that hold a profile's values, found the way
// the game's files are searched: by name with FindNode (so a search runs on
// into the following elements when a team lacks one), and the weapon slots as
// the first six children of a team's weapons element. The reader and the writer
// both look here, so every document the reader accepts is one the writer can
// write, and the writer can refuse a document before changing anything in it.

#include "catalog/GameCatalog.h"
#include "profile/XmlNode.h"

#include <array>
#include <string>
#include <string_view>

struct TeamElements {
    XmlNode team;
    std::array<XmlNode, GameCatalog::kKitsPerTeam> kits;         // by kitNames column
    std::array<XmlNode, GameCatalog::kWeaponSlots> weaponSlots;  // empty past the last child
};

struct ProfileElements {
    TeamElements blue;
    TeamElements red;
    std::array<XmlNode, GameCatalog::kVehicleCount> vehicles;  // in vehicle table order
    // The first element not found, as the reader's message names it ("blueTeam",
    // "NVA_Scout", "weapons", "slot_", "vehicleTypes", "mutt"); empty when all were.
    std::string missing;
};

// The gameMode element searched from the root; empty when there is none. It is
// found on its own, since its activeTeams value tells which teams to look for.
XmlNode FindGameMode(XmlNode root);

// A team index outside the catalog counts as a missing team element.
ProfileElements FindProfileElements(XmlNode root, int blueTeam, int redTeam);

// The reader's and the writer's refusal of a document that lacks the element:
// "No blueTeam tag found!", in the user's language.
std::string NoTagFound(std::string_view tag);
