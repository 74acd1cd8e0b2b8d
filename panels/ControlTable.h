#pragma once

// Every control of the main window, in creation order, which is also the
// keyboard's tab order: the rows KA-25, MUTT Alt and OH-6 Loach come last,
// after About and Quit, although they are drawn among the other vehicle rows.
// Rectangles are x, y, width, height in dialog units of the client area; for a
// drop-down the height is that of its opened list. A caption's "&" marks the
// letter that Alt presses; a list's caption is only its name for screen
// readers. The radio buttons of a group are one tab stop, the checked one.

#include "panels/ControlIds.h"
#include "text/Translated.h"

#include <QRect>

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <string_view>

enum class ControlKind {
    GroupBox,
    ListBox,
    PushButton,
    RadioButton,
    Label,        // plain text, top left
    RowLabel,     // vertically centred text
    TeamHeading,  // centred styled label
    DropDown,
    StyledDropDown,
    ClassBox,   // styled three-state check box
    KitBox,     // styled check box
    WeaponBox,  // plain check box, caption left of the box
};

inline constexpr unsigned kNoFlags = 0;
inline constexpr unsigned kTabStop = 1u << 0;
// Starts a keyboard group; a run of radio buttons after it is one exclusive group.
inline constexpr unsigned kGroup = 1u << 1;
inline constexpr unsigned kDisabled = 1u << 2;

struct ControlSpec {
    int id;
    ControlKind kind;
    std::string_view caption;
    QRect dialogRect;
    unsigned flags;
};

inline constexpr int kControlCount = 122;
inline constexpr QSize kClientSizeInDialogUnits{444, 289};

namespace ControlTableDetail {
namespace Id = ControlId;
using Kind = ControlKind;

inline constexpr std::array<ControlSpec, kControlCount> controlTable{{
    {Id::None, Kind::GroupBox, TranslatedLater("Profiles"), {4, 4, 212, 84}, kNoFlags},
    {Id::ProfileList, Kind::ListBox, TranslatedLater("Profiles"), {12, 14, 148, 51}, kTabStop},
    {Id::NewButton, Kind::PushButton, TranslatedLater("&New"), {13, 68, 24, 14}, kTabStop},
    {Id::RevertButton, Kind::PushButton, TranslatedLater("&Revert"), {37, 68, 30, 14},
        kDisabled | kTabStop},
    {Id::SaveButton, Kind::PushButton, TranslatedLater("&Save"), {68, 68, 27, 14},
        kDisabled | kTabStop},
    {Id::SaveAsButton, Kind::PushButton, TranslatedLater("Save &As"), {96, 68, 33, 14}, kTabStop},
    {Id::PublishButton, Kind::PushButton, TranslatedLater("&Publish"), {129, 68, 32, 14}, kTabStop},
    {Id::None, Kind::GroupBox, TranslatedLater("Publish To"), {164, 10, 48, 75}, kNoFlags},
    {Id::PublishToServer, Kind::RadioButton, TranslatedLater("S&erver"), {171, 24, 37, 10}, kGroup},
    {Id::PublishToGame, Kind::RadioButton, TranslatedLater("&Game"), {171, 38, 34, 10}, kNoFlags},
    {Id::PublishToBoth, Kind::RadioButton, TranslatedLater("&Both"), {171, 54, 31, 10}, kNoFlags},
    {Id::PublishToWorkingFolder, Kind::RadioButton, TranslatedLater("C&WD"), {171, 69, 32, 10},
        kNoFlags},
    {Id::None, Kind::GroupBox, TranslatedLater("Teams"), {4, 92, 212, 172}, kNoFlags},
    {Id::RedTeamLabel, Kind::TeamHeading, TranslatedLater("Red Team"), {12, 100, 93, 14}, kGroup},
    {Id::BlueTeamLabel, Kind::TeamHeading, TranslatedLater("Blue Team"), {116, 100, 88, 14},
        kGroup},
    {Id::RedTeam, Kind::StyledDropDown, "", {12, 116, 94, 91}, kTabStop},
    {Id::BlueTeam, Kind::StyledDropDown, "", {112, 116, 94, 90}, kTabStop},
    {Id::None, Kind::GroupBox, TranslatedLater("Kits"), {12, 136, 96, 72}, kNoFlags},
    {Id::None, Kind::GroupBox, TranslatedLater("Kits"), {112, 136, 96, 72}, kNoFlags},
    {Id::RedAssault, Kind::ClassBox, TranslatedLater("Assault"), {20, 156, 48, 8}, kTabStop},
    {Id::None, Kind::Label, TranslatedLater("Pri."), {72, 144, 12, 8}, kGroup},
    {Id::None, Kind::Label, TranslatedLater("Sec."), {88, 144, 15, 8}, kGroup},
    {Id::RedAssaultPrimary, Kind::KitBox, "", {72, 156, 12, 8}, kTabStop},
    {Id::RedAssaultSecondary, Kind::KitBox, "", {92, 156, 8, 8}, kTabStop},
    {Id::RedEngineer, Kind::ClassBox, TranslatedLater("Engineer"), {20, 168, 48, 8}, kTabStop},
    {Id::RedEngineerPrimary, Kind::KitBox, "", {72, 168, 12, 8}, kTabStop},
    {Id::RedEngineerSecondary, Kind::KitBox, "", {92, 168, 9, 8}, kTabStop},
    {Id::RedAntiTank, Kind::ClassBox, TranslatedLater("Anti-Tank"), {20, 180, 48, 8}, kTabStop},
    {Id::RedAntiTankPrimary, Kind::KitBox, "", {72, 180, 12, 8}, kTabStop},
    {Id::RedAntiTankSecondary, Kind::KitBox, "", {92, 180, 10, 8}, kTabStop},
    {Id::RedScout, Kind::ClassBox, TranslatedLater("Scout"), {20, 192, 48, 8}, kTabStop},
    {Id::RedScoutPrimary, Kind::KitBox, "", {72, 192, 12, 8}, kTabStop},
    {Id::RedScoutSecondary, Kind::KitBox, "", {92, 192, 10, 8}, kTabStop},
    {Id::BlueAssault, Kind::ClassBox, TranslatedLater("Assault"), {120, 156, 52, 8}, kTabStop},
    {Id::None, Kind::Label, TranslatedLater("Pri."), {172, 144, 12, 8}, kGroup},
    {Id::None, Kind::Label, TranslatedLater("Sec."), {190, 144, 15, 8}, kGroup},
    {Id::BlueAssaultPrimary, Kind::KitBox, "", {172, 156, 12, 8}, kTabStop},
    {Id::BlueAssaultSecondary, Kind::KitBox, "", {192, 156, 12, 8}, kTabStop},
    {Id::BlueEngineer, Kind::ClassBox, TranslatedLater("Engineer"), {120, 168, 52, 8}, kTabStop},
    {Id::BlueEngineerPrimary, Kind::KitBox, "", {172, 168, 12, 8}, kTabStop},
    {Id::BlueEngineerSecondary, Kind::KitBox, "", {192, 168, 12, 8}, kTabStop},
    {Id::BlueAntiTank, Kind::ClassBox, TranslatedLater("Anti-Tank"), {120, 180, 52, 8}, kTabStop},
    {Id::BlueAntiTankPrimary, Kind::KitBox, "", {172, 180, 12, 8}, kTabStop},
    {Id::BlueAntiTankSecondary, Kind::KitBox, "", {192, 180, 12, 8}, kTabStop},
    {Id::BlueScout, Kind::ClassBox, TranslatedLater("Scout"), {120, 192, 52, 8}, kTabStop},
    {Id::BlueScoutPrimary, Kind::KitBox, "", {172, 192, 12, 8}, kTabStop},
    {Id::BlueScoutSecondary, Kind::KitBox, "", {192, 192, 12, 8}, kTabStop},
    {Id::None, Kind::GroupBox, TranslatedLater("Allow/Disallow Weapons"), {12, 212, 96, 45},
        kNoFlags},
    {Id::RedWeapon1, Kind::WeaponBox, "#1:", {20, 224, 22, 8}, kTabStop},
    {Id::RedWeapon1 + 1, Kind::WeaponBox, "#2:", {52, 224, 22, 8}, kTabStop},
    {Id::RedWeapon1 + 2, Kind::WeaponBox, "#3:", {80, 224, 22, 8}, kTabStop},
    {Id::RedWeapon1 + 3, Kind::WeaponBox, "#4:", {20, 240, 22, 8}, kTabStop},
    {Id::RedWeapon1 + 4, Kind::WeaponBox, "#5:", {52, 240, 22, 8}, kTabStop},
    {Id::RedWeapon1 + 5, Kind::WeaponBox, "#6:", {80, 240, 22, 8}, kTabStop},
    {Id::None, Kind::GroupBox, TranslatedLater("Allow/Disallow Weapons"), {112, 212, 96, 44},
        kNoFlags},
    {Id::BlueWeapon1, Kind::WeaponBox, "#1:", {116, 224, 22, 8}, kTabStop},
    {Id::BlueWeapon1 + 1, Kind::WeaponBox, "#2:", {148, 224, 22, 8}, kTabStop},
    {Id::BlueWeapon1 + 2, Kind::WeaponBox, "#3:", {180, 224, 22, 8}, kTabStop},
    {Id::BlueWeapon1 + 3, Kind::WeaponBox, "#4:", {116, 240, 22, 8}, kTabStop},
    {Id::BlueWeapon1 + 4, Kind::WeaponBox, "#5:", {148, 240, 22, 8}, kTabStop},
    {Id::BlueWeapon1 + 5, Kind::WeaponBox, "#6:", {180, 240, 22, 8}, kTabStop},
    {Id::None, Kind::GroupBox, TranslatedLater("Substitute Vehicles"), {220, 4, 220, 260},
        kNoFlags},
    {Id::None, Kind::RowLabel, TranslatedLater(" Show &Vehicles For:"), {228, 16, 64, 12}, kGroup},
    {Id::MapFilter, Kind::DropDown, "", {292, 16, 88, 108}, kTabStop},
    {Id::VehicleDefaultButton, Kind::PushButton, TranslatedLater("&Default"), {384, 16, 48, 14},
        kTabStop},
    {Id::None, Kind::GroupBox, TranslatedLater("Land"), {228, 32, 96, 228}, kNoFlags},
    {Id::None, Kind::RowLabel, " BM-21", {232, 44, 36, 12}, kGroup},
    {Id::VehicleBm21, Kind::StyledDropDown, "", {268, 44, 52, 73}, kTabStop},
    {Id::None, Kind::RowLabel, " BTR-60", {232, 60, 36, 12}, kGroup},
    {Id::VehicleBtr60, Kind::StyledDropDown, "", {268, 60, 52, 73}, kTabStop},
    {Id::None, Kind::RowLabel, " M-110", {232, 76, 36, 12}, kGroup},
    {Id::VehicleM110, Kind::StyledDropDown, "", {268, 76, 52, 74}, kTabStop},
    {Id::None, Kind::RowLabel, " M-113", {232, 92, 36, 12}, kGroup},
    {Id::VehicleM113, Kind::StyledDropDown, "", {268, 92, 52, 73}, kTabStop},
    {Id::None, Kind::RowLabel, " MUTT", {232, 108, 36, 12}, kGroup},
    {Id::VehicleMutt, Kind::StyledDropDown, "", {268, 108, 52, 87}, kTabStop},
    {Id::None, Kind::RowLabel, " Patton", {232, 140, 36, 12}, kGroup},
    {Id::VehiclePatton, Kind::StyledDropDown, "", {268, 140, 52, 74}, kTabStop},
    {Id::None, Kind::RowLabel, " PT-76", {232, 156, 36, 12}, kGroup},
    {Id::VehiclePt76, Kind::StyledDropDown, "", {268, 156, 52, 67}, kTabStop},
    {Id::None, Kind::RowLabel, " Scooter", {232, 172, 36, 12}, kGroup},
    {Id::VehicleScooter, Kind::StyledDropDown, "", {268, 172, 52, 73}, kTabStop},
    {Id::None, Kind::RowLabel, " Sheridan", {232, 188, 36, 12}, kGroup},
    {Id::VehicleSheridan, Kind::StyledDropDown, "", {268, 188, 52, 78}, kTabStop},
    {Id::None, Kind::RowLabel, " T-54", {232, 204, 36, 12}, kGroup},
    {Id::VehicleT54, Kind::StyledDropDown, "", {268, 204, 52, 74}, kTabStop},
    {Id::None, Kind::RowLabel, " UAZ", {232, 220, 36, 12}, kGroup},
    {Id::VehicleUaz, Kind::StyledDropDown, "", {268, 220, 52, 69}, kTabStop},
    {Id::None, Kind::RowLabel, " ZSU", {232, 236, 36, 12}, kGroup},
    {Id::VehicleZsu, Kind::StyledDropDown, "", {268, 236, 52, 80}, kTabStop},
    {Id::None, Kind::GroupBox, TranslatedLater("Sea"), {328, 32, 104, 44}, kNoFlags},
    {Id::None, Kind::RowLabel, " P.B.R", {332, 44, 44, 12}, kGroup},
    {Id::VehiclePbr, Kind::StyledDropDown, "", {376, 44, 52, 82}, kTabStop},
    {Id::None, Kind::RowLabel, " Sampan", {332, 60, 44, 12}, kGroup},
    {Id::VehicleSampan, Kind::StyledDropDown, "", {376, 60, 52, 78}, kTabStop},
    {Id::None, Kind::GroupBox, TranslatedLater("Air"), {328, 76, 104, 184}, kNoFlags},
    {Id::None, Kind::RowLabel, " ACH-47", {332, 84, 44, 12}, kGroup},
    {Id::VehicleAch47, Kind::StyledDropDown, "", {376, 84, 52, 82}, kTabStop},
    {Id::None, Kind::RowLabel, " Cobra", {332, 100, 44, 12}, kGroup},
    {Id::VehicleCobra, Kind::StyledDropDown, "", {376, 100, 52, 80}, kTabStop},
    {Id::None, Kind::RowLabel, " A-7 Corsair", {332, 116, 44, 12}, kGroup},
    {Id::VehicleCorsair, Kind::StyledDropDown, "", {376, 116, 52, 77}, kTabStop},
    {Id::None, Kind::RowLabel, " F-4 Phantom", {332, 132, 44, 12}, kGroup},
    {Id::VehiclePhantom, Kind::StyledDropDown, "", {376, 132, 52, 81}, kTabStop},
    {Id::None, Kind::RowLabel, " Mi-8", {332, 148, 44, 12}, kGroup},
    {Id::VehicleMi8, Kind::StyledDropDown, "", {376, 148, 52, 78}, kTabStop},
    {Id::None, Kind::RowLabel, " Mig-17", {332, 164, 44, 12}, kGroup},
    {Id::VehicleMig17, Kind::StyledDropDown, "", {376, 164, 52, 81}, kTabStop},
    {Id::None, Kind::RowLabel, " Mig-21", {332, 180, 44, 12}, kGroup},
    {Id::VehicleMig21, Kind::StyledDropDown, "", {376, 180, 52, 85}, kTabStop},
    {Id::None, Kind::RowLabel, " Huey Gun", {332, 196, 44, 12}, kGroup},
    {Id::VehicleHueyGun, Kind::StyledDropDown, "", {376, 196, 52, 69}, kTabStop},
    {Id::None, Kind::RowLabel, " Huey Slick", {332, 212, 44, 12}, kGroup},
    {Id::VehicleHueySlick, Kind::StyledDropDown, "", {376, 212, 52, 71}, kTabStop},
    {Id::AboutButton, Kind::PushButton, TranslatedLater("Ab&out"), {328, 269, 50, 14}, kTabStop},
    {Id::QuitButton, Kind::PushButton, TranslatedLater("&Quit"), {388, 269, 50, 14}, kTabStop},
    {Id::VehicleKa25, Kind::StyledDropDown, "", {376, 228, 52, 71}, kTabStop},
    {Id::None, Kind::RowLabel, "KA-25", {332, 228, 44, 12}, kGroup},
    {Id::None, Kind::RowLabel, " MUTT Alt", {232, 124, 36, 12}, kGroup},
    {Id::VehicleMuttAlt, Kind::StyledDropDown, "", {268, 124, 52, 87}, kTabStop},
    {Id::VehicleOh6, Kind::StyledDropDown, "", {376, 244, 52, 71}, kTabStop},
    {Id::None, Kind::RowLabel, "OH-6 Loach", {332, 244, 44, 12}, kGroup},
}};
}  // namespace ControlTableDetail

using ControlTableDetail::controlTable;

// The kind of the control with this identifier. Evaluated at compile time, an
// identifier that is not in the table does not build.
constexpr ControlKind KindOf(int id)
{
    const auto* found = std::ranges::find(controlTable, id, &ControlSpec::id);
    if (found == controlTable.end() || id == ControlId::None)
        throw std::logic_error("the window has no control with this identifier");
    return found->kind;
}

constexpr bool IdentifiersAreUnique()
{
    for (const auto* entry = controlTable.begin(); entry != controlTable.end(); ++entry) {
        if (entry->id != ControlId::None
            && std::ranges::find(entry + 1, controlTable.end(), entry->id, &ControlSpec::id)
                != controlTable.end())
            return false;
    }
    return true;
}
static_assert(IdentifiersAreUnique(), "two controls share an identifier");

// The control a label names, for the keyboard and screen readers: a side's
// heading names its team drop-down, a row label the control that begins where
// the label ends, on the same line; None for any other.
constexpr int BuddyOf(const ControlSpec& label)
{
    if (label.kind == ControlKind::TeamHeading) {
        const auto* side = std::ranges::find(sideIds, label.id, &SideIds::heading);
        return side == sideIds.end() ? ControlId::None : side->team;
    }
    for (const ControlSpec& entry : controlTable) {
        if (label.kind == ControlKind::RowLabel && entry.id != ControlId::None
            && entry.dialogRect.top() == label.dialogRect.top()
            && entry.dialogRect.left() == label.dialogRect.right() + 1)
            return entry.id;
    }
    return ControlId::None;
}
static_assert(std::ranges::none_of(controlTable,
                  [](const ControlSpec& entry) {
                      return (entry.kind == ControlKind::RowLabel
                                 || entry.kind == ControlKind::TeamHeading)
                          && BuddyOf(entry) == ControlId::None;
                  }),
    "a row label or heading names no control");

// The panels address their controls by the identifiers of ControlIds.h,
// each as the kind the table gives it.
constexpr bool PanelIdentifiersMatchTable()
{
    using Kind = ControlKind;
    for (const SideIds& side : sideIds) {
        if (KindOf(side.heading) != Kind::TeamHeading || KindOf(side.team) != Kind::StyledDropDown)
            return false;
        for (const ClassRowIds& row : side.classRows) {
            if (KindOf(row.classBox) != Kind::ClassBox || KindOf(row.primaryKit) != Kind::KitBox
                || KindOf(row.secondaryKit) != Kind::KitBox)
                return false;
        }
        for (int slot = 0; slot < GameCatalog::kWeaponSlots; ++slot) {
            if (KindOf(side.firstWeapon + slot) != Kind::WeaponBox)
                return false;
        }
    }
    for (int row = 0; row < GameCatalog::kVehicleCount; ++row) {
        if (KindOf(ControlId::VehicleOfPanelRow(row)) != Kind::StyledDropDown)
            return false;
    }
    return true;
}
static_assert(PanelIdentifiersMatchTable(), "a panel addresses a control as another kind");
