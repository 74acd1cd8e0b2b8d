#include "panels/TeamKitPanel.h"

#include "panels/ControlIds.h"
#include "panels/WindowControls.h"
#include "session/EditingSession.h"

namespace {

constexpr int kHeadingPoints = 14;

// The game's own side colours, pure red and pure blue, whatever the theme;
// players know the sides by them.
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

const GameCatalog::KitClass& KitClassOf(int row)
{
    return GameCatalog::kitClasses[static_cast<std::size_t>(row)];
}

}  // namespace

TeamKitPanel::TeamKitPanel(const WindowControls& controls)
    : sides_{FindSideControls(controls, Side::Red), FindSideControls(controls, Side::Blue)}
{
}

TeamKitPanel::SideControls TeamKitPanel::FindSideControls(const WindowControls& controls, Side side)
{
    const SideIds& ids = IdsOf(side);
    SideControls found{&controls.Get<ControlKind::TeamHeading>(ids.heading),
        &controls.Get<ControlKind::StyledDropDown>(ids.team), {}};
    for (std::size_t row = 0; row < found.classRows.size(); ++row) {
        const ClassRowIds& rowIds = ids.classRows[row];
        found.classRows[row] = {&controls.Get<ControlKind::ClassBox>(rowIds.classBox),
            &controls.Get<ControlKind::KitBox>(rowIds.primaryKit),
            &controls.Get<ControlKind::KitBox>(rowIds.secondaryKit)};
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

void TeamKitPanel::TeamChosen(EditingSession& session, Side side)
{
    StyledComboBox& chosen = *ControlsOf(side).team;
    chosen.setCurrentIndex(session.edits().ChooseTeam(side, chosen.currentIndex()));
}

void TeamKitPanel::ClassBoxClicked(EditingSession& session, Side side, int row)
{
    const ClassRow& classRow = RowOf(side, row);
    const Qt::CheckState state = classRow.classBox->checkState();
    // Mixed keeps the kits as they are: it only says the class is partly allowed.
    if (state == Qt::PartiallyChecked) {
        session.edits().SetClassKits(side, row, std::nullopt);
        return;
    }
    classRow.primaryKit->setCheckState(state);
    classRow.secondaryKit->setCheckState(state);
    session.edits().SetClassKits(side, row, state == Qt::Checked);
}

void TeamKitPanel::KitBoxClicked(EditingSession& session, Side side, int row)
{
    const ClassRow& classRow = RowOf(side, row);
    const GameCatalog::KitClass& kitClass = KitClassOf(row);
    session.edits().SetKit(side, kitClass.primarySlot, IsOn(*classRow.primaryKit));
    session.edits().SetKit(side, kitClass.secondarySlot, IsOn(*classRow.secondaryKit));
    UpdateClassBox(side, row);
}

void TeamKitPanel::UpdateClassBox(Side side, int row) const
{
    const ClassRow& classRow = RowOf(side, row);
    const int kitsOn
        = (IsOn(*classRow.primaryKit) ? 1 : 0) + (IsOn(*classRow.secondaryKit) ? 1 : 0);
    constexpr std::array<Qt::CheckState, 3> stateForKitsOn{
        Qt::Unchecked, Qt::PartiallyChecked, Qt::Checked};
    classRow.classBox->setCheckState(stateForKitsOn[static_cast<std::size_t>(kitsOn)]);
}
