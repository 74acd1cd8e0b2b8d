#include "profile/ProfileWriter.h"

#include "profile/ProfileElements.h"
#include "profile/XmlAccess.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <string>
#include <vector>

namespace {

// One attribute value the profile puts into the document.
struct AttributeWrite {
    XmlNode element;
    std::string_view attribute;
    std::string value;
    // The document reads the same without the attribute, so it need not be there.
    bool mayBeMissing;
};

// Every value first, then written all at once, so that a document lacking a
// place for one of them is refused before anything in it changes.
class WritePlan {
public:
    void Add(XmlNode element, std::string_view attribute, std::string value, bool mayBeMissing)
    {
        writes_.push_back({element, attribute, std::move(value), mayBeMissing});
    }
    void NoteMissing(std::string what)
    {
        if (missing_.empty())
            missing_ = std::move(what);
    }
    // What the document lacks, as a message names it; empty when nothing.
    std::string Missing()
    {
        for (const AttributeWrite& write : writes_) {
            if (!write.mayBeMissing && write.element.Attribute(write.attribute).IsEmpty())
                // TRANSLATORS: an XML element of the file, and its attribute.
                NoteMissing(Formatted(Translated("%1$s has no %2$s attribute"),
                    {write.element.Name(), write.attribute}));
        }
        return missing_;
    }
    void Apply() const
    {
        for (const AttributeWrite& write : writes_)
            SetNodeText(write.element.Attribute(write.attribute), write.value);
    }

private:
    std::vector<AttributeWrite> writes_;
    std::string missing_;
};

// A missing "enabled" reads as off, so only an allowed kit or slot needs one.
void PlanEnabled(WritePlan& plan, XmlNode element, Flag flag)
{
    plan.Add(element, "enabled", IsFlagSet(flag) ? "true" : "false", !IsFlagSet(flag));
}

void PlanTeam(WritePlan& plan, const TeamElements& elements, const TeamSettings& settings)
{
    for (std::size_t slot = 0; slot < settings.kits.size(); ++slot) {
        const auto column = static_cast<std::size_t>(GameCatalog::kitColumnOfSlot[slot]);
        PlanEnabled(plan, elements.kits[column], settings.kits[slot]);
    }
    // A slot past the weapons element's children reads as not allowed.
    for (std::size_t slot = 0; slot < settings.weapons.size(); ++slot) {
        if (!elements.weaponSlots[slot].IsEmpty())
            PlanEnabled(plan, elements.weaponSlots[slot], settings.weapons[slot]);
        else if (IsFlagSet(settings.weapons[slot]))
            plan.NoteMissing(std::string(elements.team.Name()) + " has no weapon slot #"
                + std::to_string(slot + 1));
    }
}

// The changeType written belongs to the substitute, not to the vehicle it
// replaces. A substitute the catalog does not know (the reader's -1) leaves the
// document's own values, so an unknown vehicle survives a save.
void PlanVehicles(WritePlan& plan, const ProfileElements& elements, const Profile& profile)
{
    for (std::size_t row = 0; row < profile.vehicles.size(); ++row) {
        const int alternative = profile.vehicles[row].alternative;
        if (alternative < 0 || alternative >= GameCatalog::kVehicleCount)
            continue;
        const GameCatalog::VehicleEntry& substitute
            = GameCatalog::vehicles[static_cast<std::size_t>(alternative)];
        const XmlNode vehicle = elements.vehicles[row];
        const bool unchanged = vehicle.Attribute("alternative").Value() == substitute.internalName;
        plan.Add(vehicle, "alternative", std::string(substitute.internalName), unchanged);
        plan.Add(vehicle, "changeType", std::to_string(substitute.changeType), unchanged);
    }
}

}  // namespace

bool WriteProfile(XmlDocument& document, const Profile& profile)
{
    std::string unused;
    return WriteProfile(document, profile, unused);
}

bool WriteProfile(XmlDocument& document, const Profile& profile, std::string& missing)
{
    const XmlNode root = GetDocumentElement(document);
    const XmlNode gameMode = FindGameMode(root);
    const ProfileElements elements = FindProfileElements(root, profile.blue.team, profile.red.team);
    const std::string absent = gameMode.IsEmpty() ? "gameMode" : elements.missing;
    if (!absent.empty()) {
        missing = NoTagFound(absent);
        return false;
    }
    WritePlan plan;
    // Blue comes first in the document, although the record holds red first.
    plan.Add(gameMode, "activeTeams",
        std::to_string(profile.blue.team) + "/" + std::to_string(profile.red.team), false);
    PlanTeam(plan, elements.blue, profile.blue);
    PlanTeam(plan, elements.red, profile.red);
    PlanVehicles(plan, elements, profile);
    missing = plan.Missing();
    if (!missing.empty())
        return false;
    plan.Apply();
    return true;
}
