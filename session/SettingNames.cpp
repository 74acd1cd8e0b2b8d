#include "session/SettingNames.h"

#include "catalog/GameCatalog.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <cstddef>

std::string_view SideName(Side side)
{
    return side == Side::Red ? Translated("Red Team") : Translated("Blue Team");
}

std::string ClassName(Side side, int kitClass)
{
    const std::string caption(GameCatalog::kitClasses[static_cast<std::size_t>(kitClass)].caption);
    return std::string(SideName(side)) + ", " + Translated(caption.c_str());
}

std::string KitName(Side side, int kitClass, KitColumn column)
{
    return ClassName(side, kitClass)
        + (column == KitColumn::Primary ? Translated(" kit, primary")
                                        : Translated(" kit, secondary"));
}

std::string WeaponSlotName(Side side, int slot)
{
    return std::string(SideName(side)) + Translated(", weapon slot ") + std::to_string(slot + 1);
}

std::string SubstituteName(int vehicle)
{
    return Translated("Substitute for ")
        + std::string(GameCatalog::vehicles[static_cast<std::size_t>(vehicle)].displayName);
}
