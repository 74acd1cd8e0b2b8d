#include "controls/StyledComboBox.h"

#include <QAbstractItemView>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The face is drawn as a button, the opened list as an item view.
constexpr std::array backgroundRoles{QPalette::Button, QPalette::Base, QPalette::Window};
constexpr std::array textRoles{QPalette::ButtonText, QPalette::Text, QPalette::WindowText};

// Narrower still, letters would run into each other.
constexpr int kNarrowestStretch = 65;

// A palette equal to this one, the same object for every drop-down of these
// colours. Fusion caches each face it draws under the identity of the
// palette, and each widget's palette is an object of its own, so the
// window's 29 drop-downs of a handful of colours would otherwise keep 29
// faces (about 0.4 MB) instead of a handful.
QPalette SharedPalette(const QPalette& palette)
{
    static std::vector<QPalette> shared;  // one per colour set ever drawn: a handful
    auto found = std::ranges::find(shared, palette);
    if (found == shared.end())
        found = shared.insert(shared.end(), palette);
    QPalette same = *found;
    same.setCurrentColorGroup(palette.currentColorGroup());
    return same;
}

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
    option.palette = SharedPalette(option.palette);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.fillRect(TextField(option), palette().button());
    painter.setFont(FaceFont(option.currentText));
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

QRect StyledComboBox::TextField(const QStyleOptionComboBox& option) const
{
    return style()->subControlRect(
        QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
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
