#include "app/ControlBuilder.h"

#include "app/AccessibleNames.h"
#include "app/DialogUnits.h"
#include "app/TranslatedString.h"
#include "controls/SingleChoiceList.h"
#include "controls/StyledButton.h"
#include "controls/StyledComboBox.h"
#include "controls/StyledLabel.h"
#include "panels/WindowControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// A drop-down's rectangle gives the height of its opened list: as many
// one-line items as fit below the face.
constexpr int kDropDownFaceHeight = 14;
constexpr int kDropDownItemHeight = 8;

QLabel& CreateLabel(QWidget& parent, const QString& caption, Qt::Alignment alignment)
{
    auto* label = new QLabel(caption, &parent);
    label->setAlignment(alignment);
    return *label;
}

QPushButton& CreatePushButton(QWidget& parent, const QString& caption)
{
    auto* button = new QPushButton(caption, &parent);
    // A dialog presses its default button on Enter; the window has none.
    button->setAutoDefault(false);
    return *button;
}

StyledLabel& CreateTeamHeading(QWidget& parent, const QString& caption)
{
    auto* heading = new StyledLabel(&parent);
    heading->setText(caption);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return *heading;
}

StyledButton& CreateStyledBox(QWidget& parent, const QString& caption, ControlKind kind)
{
    auto* box = new StyledButton(&parent);
    box->setText(caption);
    box->setTristate(kind == ControlKind::ClassBox);
    return *box;
}

QCheckBox& CreateWeaponBox(QWidget& parent, const QString& caption)
{
    auto* box = new QCheckBox(caption, &parent);
    box->setLayoutDirection(Qt::RightToLeft);  // caption left of the box
    return *box;
}

}  // namespace

ControlBuilder::ControlBuilder(QWidget& window)
    : window_(window)
    , font_(window.font())
{
}

void ControlBuilder::Build(std::span<const ControlSpec> table, WindowControls& controls)
{
    std::vector<std::pair<QLabel*, int>> namingLabels;  // a label may come before its control
    for (const ControlSpec& entry : table) {
        QWidget& control = Create(entry);
        JoinRadioGroup(entry, control);
        Place(entry, control);
        ApplyFlags(entry, control);
        if (BuddyOf(entry) != ControlId::None)
            namingLabels.emplace_back(qobject_cast<QLabel*>(&control), BuddyOf(entry));
        if (entry.id != ControlId::None) {
            control.setObjectName(QString::number(entry.id));
            control.setAccessibleName(AccessibleNameOf(entry));
            controls.Add(entry.id, control);
        }
    }
    // On Linux a screen reader takes a drop-down's name from the label naming
    // it (its own name is its entry), so the label carries the control's name.
    for (const auto& [label, buddy] : namingLabels) {
        QWidget& named = controls.GetAs<QWidget>(buddy);
        label->setBuddy(&named);
        label->setAccessibleName(named.accessibleName());
    }
}

QWidget& ControlBuilder::Create(const ControlSpec& entry)
{
    // An empty id would fetch the catalogue's header.
    const QString caption
        = entry.caption.empty() ? QString() : TranslatedString(entry.caption.data());
    switch (entry.kind) {
    case ControlKind::GroupBox:
        return *new QGroupBox(caption, &window_);
    case ControlKind::ListBox:
        return *new SingleChoiceList(&window_);
    case ControlKind::PushButton:
        return CreatePushButton(window_, caption);
    case ControlKind::RadioButton:
        return *new QRadioButton(caption, &window_);
    case ControlKind::Label:
        return CreateLabel(window_, caption, Qt::AlignLeft | Qt::AlignTop);
    case ControlKind::RowLabel:
        return CreateLabel(window_, caption, Qt::AlignLeft | Qt::AlignVCenter);
    case ControlKind::TeamHeading:
        return CreateTeamHeading(window_, caption);
    case ControlKind::DropDown:  // plain colours, but the same guard against a stray wheel
    case ControlKind::StyledDropDown:
        return *new StyledComboBox(&window_);
    case ControlKind::ClassBox:
    case ControlKind::KitBox:
        return CreateStyledBox(window_, caption, entry.kind);
    case ControlKind::WeaponBox:
        return CreateWeaponBox(window_, caption);
    }
    throw std::logic_error("unknown control kind");
}

// As in a dialog template, a control that starts a keyboard group ends the
// run of radio buttons before it.
void ControlBuilder::JoinRadioGroup(const ControlSpec& entry, QWidget& control)
{
    if ((entry.flags & kGroup) != 0)
        radioGroup_ = nullptr;
    auto* radioButton = qobject_cast<QRadioButton*>(&control);
    if (radioButton == nullptr)
        return;
    if (radioGroup_ == nullptr) {
        radioGroup_ = new QButtonGroup(&window_);
        // Tab reaches the group at its checked button; the arrow keys move within it.
        QObject::connect(
            radioGroup_, &QButtonGroup::buttonToggled, [](QAbstractButton* button, bool checked) {
                button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
            });
    }
    radioGroup_->addButton(radioButton);
}

void ControlBuilder::Place(const ControlSpec& entry, QWidget& control)
{
    QRect pixels = DialogUnitsToPixels(entry.dialogRect, font_);
    if (auto* dropDown = qobject_cast<QComboBox*>(&control)) {
        // Each drop-down has the window's font and no entries yet, so the
        // first one's face height serves all; asking each costs 2 ms at start.
        if (!dropDownFaceHeight_)
            dropDownFaceHeight_ = dropDown->sizeHint().height();
        pixels.setHeight(*dropDownFaceHeight_);
        dropDown->setMaxVisibleItems(
            std::max(1, (entry.dialogRect.height() - kDropDownFaceHeight) / kDropDownItemHeight));
    }
    control.setGeometry(pixels);
}

void ControlBuilder::ApplyFlags(const ControlSpec& entry, QWidget& control)
{
    // A control that is not a tab stop still takes the focus when clicked.
    if ((entry.flags & kTabStop) == 0 && control.focusPolicy() != Qt::NoFocus)
        control.setFocusPolicy(Qt::ClickFocus);
    control.setEnabled((entry.flags & kDisabled) == 0);
}
