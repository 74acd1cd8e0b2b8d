#include "controls/StyledComboBox.h"

#include <QAbstractItemView>
#include <QStylePainter>

#include <array>

namespace {

// The face is drawn as a button, the opened list as an item view.
constexpr std::array backgroundRoles{QPalette::Button, QPalette::Base, QPalette::Window};
constexpr std::array textRoles{QPalette::ButtonText, QPalette::Text, QPalette::WindowText};

}  // namespace

StyledComboBox::StyledComboBox(QWidget* parent)
    : StyledControl(parent, {backgroundRoles, textRoles})
{
}

// The opened list is a window of its own, which does not inherit the palette.
// It takes the face's colours as it opens: asking for it any earlier would
// build the lists of all the window's drop-downs at start-up.
void StyledComboBox::showPopup()
{
    view()->setPalette(palette());
    StyledControl::showPopup();
}

// Styles shade a drop-down's face like a raised button, which would wash out
// the team colours; the field behind the text is filled flat instead.
void StyledComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.fillRect(
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this),
        palette().button());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
