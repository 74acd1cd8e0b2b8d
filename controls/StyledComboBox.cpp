#include "controls/StyledComboBox.h"

#include <QAbstractItemView>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>

namespace {

// The face is drawn as a button, the opened list as an item view.
constexpr std::array backgroundRoles{QPalette::Button, QPalette::Base, QPalette::Window};
constexpr std::array textRoles{QPalette::ButtonText, QPalette::Text, QPalette::WindowText};

// Narrower still, letters would run into each other.
constexpr int kNarrowestStretch = 65;

}  // namespace

StyledComboBox::StyledComboBox(QWidget* parent)
    : StyledControl(parent, {backgroundRoles, textRoles})
{
    setFocusPolicy(Qt::StrongFocus);  // a drop-down would take the focus from the wheel
}

// Styles shade a drop-down's face like a raised button, which would wash out
// the team colours; the field behind the text is filled flat instead.
void StyledComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.fillRect(TextField(option), palette().button());
    painter.setFont(FaceFont(option.currentText));
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

QRect StyledComboBox::TextField(const QStyleOptionComboBox& option) const
{
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
}

QFont StyledComboBox::FaceFont(const QString& entry) const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The style keeps a pixel free on either side of the text.
    const int room = TextField(option).width() - 2;
    const int needed = fontMetrics().horizontalAdvance(entry);
    QFont face = font();
    if (needed > room)
        face.setStretch(std::max(kNarrowestStretch, 100 * room / needed));
    return face;
}

// Ignored, the wheel goes to the window, which scrolls nothing.
void StyledComboBox::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    StyledControl::wheelEvent(event);
}
