#include "app/AccessibleNames.h"

#include "session/SettingNames.h"

#include <optional>

namespace {

QString CaptionText(std::string_view caption)
{
    return QString::fromUtf8(caption).remove(QLatin1Char('&')).trimmed();
}

QString Text(const std::string& name)
{
    return QString::fromStdString(name);
}

// The controls of a side and the vehicle drop-downs are named as the
// settings they show (see SettingNames).
std::optional<QString> SettingControlName(int id)
{
    if (const std::optional<Side> side = FindTeamSide(id))
        return Text(std::string(SideName(*side)));
    if (const std::optional<ClassRowPosition> row = FindClassRow(id)) {
        const ClassRowIds& ids = IdsOf(row->side).classRows[static_cast<std::size_t>(row->row)];
        if (id == ids.primaryKit)
            return Text(KitName(row->side, row->row, KitColumn::Primary));
        if (id == ids.secondaryKit)
            return Text(KitName(row->side, row->row, KitColumn::Secondary));
        return Text(ClassName(row->side, row->row));
    }
    if (const std::optional<WeaponSlotPosition> slot = FindWeaponSlot(id))
        return Text(WeaponSlotName(slot->side, slot->slot));
    const int panelRow = id - ControlId::FirstVehicle;
    if (panelRow >= 0 && panelRow < GameCatalog::kVehicleCount)
        return Text(
            SubstituteName(GameCatalog::vehicleOfPanelRow[static_cast<std::size_t>(panelRow)]));
    return std::nullopt;
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
    if (std::optional<QString> name = SettingControlName(entry.id))
        return *name;
    if (!entry.caption.empty())
        return CaptionText(entry.caption);
    return RowLabelName(entry.id);
}
