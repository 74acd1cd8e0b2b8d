#include "editor/TeamKitPanel.h"

#include "controls/StyledButton.h"
#include "controls/StyledComboBox.h"
#include "controls/StyledLabel.h"
#include "editor/ControlIds.h"
#include "editor/Dialogs.h"
#include "editor/EditorState.h"
#include "editor/WindowControls.h"

namespace {

constexpr int kHeadingPoints = 14;

QColor SideColor(Side side)
{
    return side == Side::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

bool IsOn(const StyledButton& box)
{
    return box.checkState() == Qt::Checked;
}

Qt::CheckState BoxState(Flag flag)
{
    return IsFlagSet(flag) ? Qt::Checked : Qt::Unchecked;
}

Flag FlagOf(const StyledButton& box)
{
    return IsOn(box) ? 1 : 0;
}

const GameCatalog::KitClass& KitClassOf(int row)
{
    return GameCatalog::kitClasses[static_cast<std::size_t>(row)];
}

}  // namespace

TeamKitPanel::TeamKitPanel(const WindowControls& controls, EditorState& state, Dialogs& dialogs)
    : sides_{FindSideControls(controls, Side::Red), FindSideControls(controls, Side::Blue)}
    , state_(state)
    , dialogs_(dialogs)
{
}

TeamKitPanel::SideControls TeamKitPanel::FindSideControls(const WindowControls& controls, Side side)
{
    const SideIds& ids = IdsOf(side);
    SideControls found{
        &controls.Get<StyledLabel>(ids.heading), &controls.Get<StyledComboBox>(ids.team), {}};
    for (std::size_t row = 0; row < found.classRows.size(); ++row) {
        const ClassRowIds& rowIds = ids.classRows[row];
        found.classRows[row] = {&controls.Get<StyledButton>(rowIds.classBox),
            &controls.Get<StyledButton>(rowIds.primaryKit),
            &controls.Get<StyledButton>(rowIds.secondaryKit)};
    }
    return found;
}

const TeamKitPanel::ClassRow& TeamKitPanel::RowOf(Side side, int row) const
{
    return ControlsOf(side).classRows[static_cast<std::size_t>(row)];
}

void TeamKitPanel::ApplyAppearance()
{
    for (Side side : bothSides) {
        const SideControls& controls = ControlsOf(side);
        controls.heading->SetFontSize(kHeadingPoints);
        controls.heading->SetTextColor(SideColor(side));
        controls.heading->SetUnderline(true);
        controls.team->SetBackgroundColor(SideColor(side));
        controls.team->SetTextColor(QColor(255, 255, 255));
        controls.team->SetBold(true);
        for (const ClassRow& row : controls.classRows) {
            row.classBox->SetTextColor(SideColor(side));
            row.classBox->SetBold(true);
        }
    }
}

void TeamKitPanel::FillTeamLists()
{
    for (Side side : {Side::Blue, Side::Red}) {
        StyledComboBox& teamList = *ControlsOf(side).team;
        teamList.clear();
        for (const GameCatalog::TeamEntry& team : GameCatalog::teams)
            teamList.addItem(QString::fromUtf8(team.displayName));
        teamList.setCurrentIndex(-1);
    }
}

void TeamKitPanel::ShowTeams(const Profile& profile)
{
    for (Side side : bothSides)
        ControlsOf(side).team->setCurrentIndex(SettingsOf(profile, side).team);
}

void TeamKitPanel::ShowKits(const Profile& profile)
{
    for (Side side : bothSides) {
        const TeamSettings& settings = SettingsOf(profile, side);
        for (int row = 0; row < static_cast<int>(GameCatalog::kitClasses.size()); ++row) {
            const GameCatalog::KitClass& kitClass = KitClassOf(row);
            const auto primary = static_cast<std::size_t>(kitClass.primarySlot);
            const auto secondary = static_cast<std::size_t>(kitClass.secondarySlot);
            RowOf(side, row).primaryKit->setCheckState(BoxState(settings.kits[primary]));
            RowOf(side, row).secondaryKit->setCheckState(BoxState(settings.kits[secondary]));
            UpdateClassBox(side, row);
        }
    }
}

void TeamKitPanel::CollectTeams(Profile& profile) const
{
    for (Side side : bothSides)
        SettingsOf(profile, side).team = ControlsOf(side).team->currentIndex();
}

void TeamKitPanel::CollectKits(Profile& profile) const
{
    for (Side side : bothSides) {
        TeamSettings& settings = SettingsOf(profile, side);
        for (int row = 0; row < static_cast<int>(GameCatalog::kitClasses.size()); ++row) {
            const GameCatalog::KitClass& kitClass = KitClassOf(row);
            settings.kits[static_cast<std::size_t>(kitClass.primarySlot)]
                = FlagOf(*RowOf(side, row).primaryKit);
            settings.kits[static_cast<std::size_t>(kitClass.secondarySlot)]
                = FlagOf(*RowOf(side, row).secondaryKit);
        }
    }
}

void TeamKitPanel::ApplyClassBox(Side side, int row)
{
    const ClassRow& classRow = RowOf(side, row);
    const Qt::CheckState state = classRow.classBox->checkState();
    // Mixed keeps the kits as they are: it only says the class is partly allowed.
    if (state != Qt::PartiallyChecked) {
        classRow.primaryKit->setCheckState(state);
        classRow.secondaryKit->setCheckState(state);
    }
    state_.SetModified(true);
}

void TeamKitPanel::UpdateClassBox(Side side, int row)
{
    const ClassRow& classRow = RowOf(side, row);
    const int kitsOn
        = (IsOn(*classRow.primaryKit) ? 1 : 0) + (IsOn(*classRow.secondaryKit) ? 1 : 0);
    constexpr std::array<Qt::CheckState, 3> stateForKitsOn{
        Qt::Unchecked, Qt::PartiallyChecked, Qt::Checked};
    classRow.classBox->setCheckState(stateForKitsOn[static_cast<std::size_t>(kitsOn)]);
    state_.SetModified(true);
}

void TeamKitPanel::TeamChanged(Side side)
{
    state_.SetModified(true);
    const Side otherSide = side == Side::Red ? Side::Blue : Side::Red;
    StyledComboBox& changed = *ControlsOf(side).team;
    const int otherTeam = ControlsOf(otherSide).team->currentIndex();
    if (changed.currentIndex() != otherTeam)
        return;
    dialogs_.ShowApplicationMessage(
        QStringLiteral("The teams must be different!"), MessageButtons::Ok);
    // The first team the other side does not play, not the team chosen before.
    changed.setCurrentIndex(otherTeam == 0 ? 1 : 0);
}
