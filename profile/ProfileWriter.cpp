#include "profile/ProfileWriter.h"

#include "profile/ProfileElements.h"
#include "profile/XmlAccess.h"

#include <string>

namespace {

void SetAttribute(XmlNode element, std::string_view name, std::string_view value)
{
    std::string unused;
    SetNodeText(GetAttribute(element, name, unused), value);
}

void WriteEnabled(XmlNode element, Flag flag)
{
    SetAttribute(element, "enabled", IsFlagSet(flag) ? "true" : "false");
}

void WriteTeam(const TeamElements& elements, const TeamSettings& settings)
{
    for (std::size_t slot = 0; slot < settings.kits.size(); ++slot) {
        const auto column = static_cast<std::size_t>(GameCatalog::kitColumnOfSlot[slot]);
        WriteEnabled(elements.kits[column], settings.kits[slot]);
    }
    for (std::size_t slot = 0; slot < settings.weapons.size(); ++slot) {
        if (!elements.weaponSlots[slot].IsEmpty())
            WriteEnabled(elements.weaponSlots[slot], settings.weapons[slot]);
    }
}

// The changeType written belongs to the substitute, not to the vehicle it
// replaces. A substitute the catalog does not know (the reader's -1) leaves the
// document's own values, so an unknown vehicle survives a save.
void WriteVehicles(const ProfileElements& elements, const Profile& profile)
{
    for (std::size_t row = 0; row < profile.vehicles.size(); ++row) {
        const int alternative = profile.vehicles[row].alternative;
        if (alternative < 0 || alternative >= GameCatalog::kVehicleCount)
            continue;
        const GameCatalog::VehicleEntry& substitute
            = GameCatalog::vehicles[static_cast<std::size_t>(alternative)];
        SetAttribute(elements.vehicles[row], "alternative", substitute.internalName);
        SetAttribute(elements.vehicles[row], "changeType", std::to_string(substitute.changeType));
    }
}

}  // namespace

bool WriteProfile(XmlDocument& document, const Profile& profile)
{
    const XmlNode root = GetDocumentElement(document);
    const XmlNode gameMode = FindGameMode(root);
    const ProfileElements elements = FindProfileElements(root, profile.blue.team, profile.red.team);
    if (gameMode.IsEmpty() || !elements.missing.empty())
        return false;
    // Blue comes first in the document, although the record holds red first.
    SetAttribute(gameMode, "activeTeams",
        std::to_string(profile.blue.team) + "/" + std::to_string(profile.red.team));
    WriteTeam(elements.blue, profile.blue);
    WriteTeam(elements.red, profile.red);
    WriteVehicles(elements, profile);
    return true;
}
