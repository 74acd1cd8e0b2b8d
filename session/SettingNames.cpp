#include "session/SettingNames.h"

#include "catalog/GameCatalog.h"

#include <cstddef>

std::string_view SideName(Side side)
{
    return side == Side::Red ? "Red Team" : "Blue Team";
}

std::string ClassName(Side side, int kitClass)
{
    return std::string(SideName(side)) + ", "
        + std::string(GameCatalog::kitClasses[static_cast<std::size_t>(kitClass)].caption);
}

std::string KitName(Side side, int kitClass, KitColumn column)
{
    return ClassName(side, kitClass)
        + (column == KitColumn::Primary ? " kit, primary" : " kit, secondary");
}

std::string WeaponSlotName(Side side, int slot)
{
    return std::string(SideName(side)) + ", weapon slot " + std::to_string(slot + 1);
}

std::string SubstituteName(int vehicle)
{
    return "Substitute for "
        + std::string(GameCatalog::vehicles[static_cast<std::size_t>(vehicle)].displayName);
}
