#include "profile/ProfileElements.h"

#include "profile/NodeIndex.h"
#include "profile/XmlAccess.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <utility>

namespace {

// Looks elements up in one index of the document and notes the first that is
// missing; the searches after it still run, from empty entries, so the callers
// need no early returns.
class ElementFinder {
public:
    explicit ElementFinder(XmlNode root)
        : index_(root)
    {
    }

    NodeIndex::Entry Root() const { return index_.Root(); }

    // A processing instruction of the same name is found but is no element.
    NodeIndex::Entry Find(
        const NodeIndex::Entry& start, std::string_view name, std::string_view label)
    {
        NodeIndex::Entry found = index_.Find(start, name);
        if (found.node.IsElement())
            return found;
        NoteMissing(label);
        return {};
    }
    NodeIndex::Entry Find(const NodeIndex::Entry& start, std::string_view name)
    {
        return Find(start, name, name);
    }

    void NoteMissing(std::string_view label)
    {
        if (missing.empty())
            missing = label;
    }

    std::string missing;

private:
    NodeIndex index_;
};

// The slots are the first children, whatever their names; there must be one,
// and each of them must be an element.
void FindWeaponSlots(ElementFinder& finder, XmlNode weapons, TeamElements& elements)
{
    if (weapons.IsEmpty())
        return;
    XmlNode child = weapons.FirstChild();
    if (child.IsEmpty())
        finder.NoteMissing("slot_");
    for (XmlNode& slot : elements.weaponSlots) {
        if (child.IsEmpty())
            return;
        if (!child.IsElement()) {
            finder.NoteMissing("slot_");
            return;
        }
        slot = child;
        child = child.NextSibling();
    }
}

TeamElements FindTeam(ElementFinder& finder, int teamIndex, std::string_view label)
{
    TeamElements elements;
    if (teamIndex < 0 || teamIndex >= GameCatalog::kTeamCount) {
        finder.NoteMissing(label);
        return elements;
    }
    const GameCatalog::TeamEntry& entry = GameCatalog::teams[static_cast<std::size_t>(teamIndex)];
    const NodeIndex::Entry team = finder.Find(finder.Root(), entry.tagName, label);
    elements.team = team.node;
    for (std::size_t column = 0; column < entry.kitNames.size(); ++column)
        elements.kits[column] = finder.Find(team, entry.kitNames[column]).node;
    FindWeaponSlots(finder, finder.Find(team, "weapons").node, elements);
    return elements;
}

}  // namespace

XmlNode FindGameMode(XmlNode root)
{
    XmlNode gameMode = FindNode(root, "gameMode", Search::Recursive);
    return gameMode.IsElement() ? gameMode : XmlNode();
}

ProfileElements FindProfileElements(XmlNode root, int blueTeam, int redTeam)
{
    ElementFinder finder(root);
    ProfileElements elements;
    elements.blue = FindTeam(finder, blueTeam, "blueTeam");
    elements.red = FindTeam(finder, redTeam, "redTeam");
    const NodeIndex::Entry vehicleTypes = finder.Find(finder.Root(), "vehicleTypes");
    for (std::size_t row = 0; row < elements.vehicles.size(); ++row)
        elements.vehicles[row]
            = finder.Find(vehicleTypes, GameCatalog::vehicles[row].internalName).node;
    elements.missing = std::move(finder.missing);
    return elements;
}

std::string NoTagFound(std::string_view tag)
{
    // TRANSLATORS: %s is the name of an XML element of the file, such as "blueTeam".
    return Formatted(Translated("No %s tag found!"), {tag});
}
