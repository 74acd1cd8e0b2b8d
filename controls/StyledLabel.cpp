#include "controls/StyledLabel.h"

#include <QPainter>
#include <QStyle>

#include <array>

namespace {

constexpr std::array backgroundRoles{QPalette::Window};
constexpr std::array textRoles{QPalette::WindowText};

}  // namespace

StyledLabel::StyledLabel(QWidget* parent)
    : StyledControl(parent, {backgroundRoles, textRoles})
{
}

bool StyledLabel::SetUnderline(bool on)
{
    return ChangeFont([on](QFont& font) { font.setUnderline(on); });
}

bool StyledLabel::SetRotation(int degrees)
{
    rotation = degrees;
    update();
    return true;
}

// QLabel has no rotated text; a turned label draws its text about its centre.
void StyledLabel::paintEvent(QPaintEvent* event)
{
    if (rotation == 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.translate(QRectF(rect()).center());
    painter.rotate(-rotation);
    QRect box(QPoint(), size());
    box.moveCenter(QPoint());
    style()->drawItemText(
        &painter, box, Qt::AlignCenter, palette(), isEnabled(), text(), foregroundRole());
}
