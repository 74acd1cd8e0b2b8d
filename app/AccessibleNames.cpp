#include "app/AccessibleNames.h"

#include <optional>

namespace {

QString CaptionText(std::string_view caption)
{
    return QString::fromUtf8(caption).remove(QLatin1Char('&')).trimmed();
}

QString CaptionOf(int id)
{
    return CaptionText(std::ranges::find(controlTable, id, &ControlSpec::id)->caption);
}

QString SideName(Side side)
{
    return CaptionOf(IdsOf(side).heading);
}

std::optional<QString> SideControlName(int id)
{
    if (const std::optional<Side> side = FindTeamSide(id))
        return SideName(*side);
    if (const std::optional<ClassRowPosition> row = FindClassRow(id)) {
        const QString name = SideName(row->side) + QStringLiteral(", ")
            + CaptionText(GameCatalog::kitClasses[static_cast<std::size_t>(row->row)].caption);
        const ClassRowIds& ids = IdsOf(row->side).classRows[static_cast<std::size_t>(row->row)];
        if (id == ids.primaryKit)
            return name + QStringLiteral(" kit, primary");
        if (id == ids.secondaryKit)
            return name + QStringLiteral(" kit, secondary");
        return name;
    }
    if (const std::optional<WeaponSlotPosition> slot = FindWeaponSlot(id))
        return SideName(slot->side) + QStringLiteral(", weapon slot %1").arg(slot->slot + 1);
    return std::nullopt;
}

std::optional<QString> VehicleName(int id)
{
    const int panelRow = id - ControlId::FirstVehicle;
    if (panelRow < 0 || panelRow >= GameCatalog::kVehicleCount)
        return std::nullopt;
    const int vehicle = GameCatalog::vehicleOfPanelRow[static_cast<std::size_t>(panelRow)];
    return QStringLiteral("Substitute for ")
        + QString::fromUtf8(GameCatalog::vehicles[static_cast<std::size_t>(vehicle)].displayName);
}

// The caption of the row label naming this control, without its colon.
QString RowLabelName(int id)
{
    const auto* label = std::ranges::find_if(controlTable, [id](const ControlSpec& entry) {
        return entry.kind == ControlKind::RowLabel && BuddyOf(entry) == id;
    });
    if (label == controlTable.end())
        return {};
    QString name = CaptionText(label->caption);
    return name.endsWith(QLatin1Char(':')) ? name.chopped(1) : name;
}

}  // namespace

QString AccessibleNameOf(const ControlSpec& entry)
{
    if (entry.id == ControlId::None)
        return {};
    if (std::optional<QString> name = SideControlName(entry.id))
        return *name;
    if (std::optional<QString> name = VehicleName(entry.id))
        return *name;
    if (!entry.caption.empty())
        return CaptionText(entry.caption);
    return RowLabelName(entry.id);
}
