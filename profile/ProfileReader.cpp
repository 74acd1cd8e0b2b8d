#include "profile/ProfileReader.h"

#include "profile/ProfileElements.h"
#include "profile/XmlAccess.h"
#include "text/Translated.h"

#include <utility>

namespace {

// A single decimal digit at that position of activeTeams; anything else is 0.
int TeamDigit(std::string_view activeTeams, std::size_t position)
{
    if (position >= activeTeams.size())
        return 0;
    const char digit = activeTeams[position];
    return digit >= '0' && digit <= '9' ? digit - '0' : 0;
}

// Only the exact value "true" enables; a missing attribute does not.
Flag ReadEnabled(XmlNode element)
{
    std::string value;
    GetAttribute(element, "enabled", value);
    return value == "true" ? 1 : 0;
}

void ReadTeam(const TeamElements& elements, TeamSettings& settings)
{
    for (std::size_t slot = 0; slot < settings.kits.size(); ++slot) {
        const auto column = static_cast<std::size_t>(GameCatalog::kitColumnOfSlot[slot]);
        settings.kits[slot] = ReadEnabled(elements.kits[column]);
    }
    // Slots beyond the weapons element's children keep the record's 0.
    for (std::size_t slot = 0; slot < settings.weapons.size(); ++slot) {
        if (!elements.weaponSlots[slot].IsEmpty())
            settings.weapons[slot] = ReadEnabled(elements.weaponSlots[slot]);
    }
}

void ReadVehicles(const ProfileElements& elements, Profile& profile)
{
    for (std::size_t row = 0; row < profile.vehicles.size(); ++row) {
        std::string alternative;
        GetAttribute(elements.vehicles[row], "alternative", alternative);
        profile.vehicles[row].alternative = GameCatalog::FindVehicleIndex(alternative);
    }
}

std::nullopt_t Refuse(std::string& error, std::string message)
{
    error = std::move(message);
    return std::nullopt;
}

}  // namespace

std::optional<Profile> ReadProfile(
    const XmlDocument& document, std::string_view name, std::string& error)
{
    const XmlNode root = GetDocumentElement(document);
    const XmlNode gameMode = FindGameMode(root);
    if (gameMode.IsEmpty())
        return Refuse(error, NoTagFound("gameMode"));
    std::string activeTeams;
    GetAttribute(gameMode, "activeTeams", activeTeams);
    if (activeTeams.empty())
        return Refuse(error, Translated("No activeTeams found!"));

    Profile profile;
    profile.name = name;
    profile.blue.team = TeamDigit(activeTeams, 0);
    profile.red.team = TeamDigit(activeTeams, 2);
    const ProfileElements elements = FindProfileElements(root, profile.blue.team, profile.red.team);
    if (!elements.missing.empty())
        return Refuse(error, NoTagFound(elements.missing));
    ReadTeam(elements.blue, profile.blue);
    ReadTeam(elements.red, profile.red);
    ReadVehicles(elements, profile);
    return profile;
}
