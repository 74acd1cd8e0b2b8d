#include "controls/WindowStyle.h"

#include <QApplication>
#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOptionGroupBox>

#include <array>

namespace {

struct RoleColors {
    QPalette::ColorRole role;
    QRgb enabled;
    QRgb disabled;
};

// Every role in every group, so that no colour of a desktop theme gets in.
// Text, disabled text included, keeps 4.5:1 against the faces it is drawn on.
constexpr std::array lightPalette{
    RoleColors{QPalette::WindowText, 0x000000, 0x6d6d6d},
    RoleColors{QPalette::Button, 0xf0f0f0, 0xf0f0f0},
    RoleColors{QPalette::Light, 0xffffff, 0xffffff},
    RoleColors{QPalette::Midlight, 0xe3e3e3, 0xe3e3e3},
    RoleColors{QPalette::Dark, 0xa0a0a0, 0xa0a0a0},
    RoleColors{QPalette::Mid, 0xb4b4b4, 0xb4b4b4},
    RoleColors{QPalette::Text, 0x000000, 0x6d6d6d},
    RoleColors{QPalette::BrightText, 0xffffff, 0xffffff},
    RoleColors{QPalette::ButtonText, 0x000000, 0x6d6d6d},
    RoleColors{QPalette::Base, 0xffffff, 0xf0f0f0},
    RoleColors{QPalette::Window, 0xf0f0f0, 0xf0f0f0},
    RoleColors{QPalette::Shadow, 0x696969, 0x696969},
    RoleColors{QPalette::Highlight, 0x0060c0, 0xc8c8c8},
    RoleColors{QPalette::HighlightedText, 0xffffff, 0x000000},
    RoleColors{QPalette::Link, 0x0000ff, 0x6d6d6d},
    RoleColors{QPalette::LinkVisited, 0x800080, 0x6d6d6d},
    RoleColors{QPalette::AlternateBase, 0xf7f7f7, 0xf7f7f7},
    RoleColors{QPalette::ToolTipBase, 0xffffdc, 0xffffdc},
    RoleColors{QPalette::ToolTipText, 0x000000, 0x000000},
    RoleColors{QPalette::PlaceholderText, 0x6d6d6d, 0x6d6d6d},
};

constexpr int kWindowFontPoints = 9;

// Fusion's arrow button is 19 pixels wide whatever the font, a third of a
// narrow drop-down; one line high and wide is enough to see and hit.
QRect DropDownPart(const QStyleOption* option, QStyle::SubControl part, const QRect& fusionRect)
{
    const int arrowWidth = option->fontMetrics.height();
    const QRect& face = option->rect;
    switch (part) {
    case QStyle::SC_ComboBoxArrow:
        return QStyle::visualRect(option->direction, face,
            QRect(face.right() - arrowWidth, face.top(), arrowWidth + 1, face.height()));
    case QStyle::SC_ComboBoxEditField:
        return QStyle::visualRect(option->direction, face,
            QRect(fusionRect.left(), fusionRect.top(),
                face.width() - arrowWidth - (fusionRect.left() - face.left()) - 1,
                fusionRect.height()));
    default:
        return fusionRect;
    }
}

}  // namespace

WindowStyle::WindowStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{
}

void WindowStyle::Install()
{
    auto* style = new WindowStyle;  // owned by the application from here on
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    QApplication::setFont(WindowFont());
}

QFont WindowStyle::WindowFont()
{
    return QFont(QStringLiteral("Liberation Sans"), kWindowFontPoints);
}

QPalette WindowStyle::standardPalette() const
{
    QPalette palette;
    for (const RoleColors& colors : lightPalette) {
        palette.setColor(QPalette::Active, colors.role, QColor(colors.enabled));
        palette.setColor(QPalette::Inactive, colors.role, QColor(colors.enabled));
        palette.setColor(QPalette::Disabled, colors.role, QColor(colors.disabled));
    }
    return palette;
}

// Fusion leaves 6 pixels between a check box and its caption, twice what the
// narrow kit and weapon boxes can spare.
int WindowStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing)
        return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
    QStyleHintReturn* returnData) const
{
    // Fusion opens a drop-down like a menu, as tall as all its entries; the
    // plain list that opens instead keeps to the drop-down's visible items.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
    SubControl subControl, const QWidget* widget) const
{
    const QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_ComboBox)
        return DropDownPart(option, subControl, rect);
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr || box->text.isEmpty())
        return rect;
    const int halfCaption = box->fontMetrics.height() / 2;
    switch (subControl) {
    case SC_GroupBoxFrame:
        return box->rect.adjusted(0, halfCaption, 0, 0);
    case SC_GroupBoxLabel:
        return rect.translated(halfCaption, 0);  // the frame's corner shows left of it
    default:
        return rect;
    }
}

// Fusion draws its group frame a caption's height below the rectangle it is
// given; this etched line keeps to the rectangle.
void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    qDrawShadeRect(painter, option->rect, option->palette, true, 1, 0);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
    QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The frame with a gap where the caption goes, then the caption.
    QStyleOptionGroupBox part = *box;
    part.subControls = box->subControls & SC_GroupBoxFrame;
    painter->save();
    painter->setClipRegion(QRegion(box->rect).subtracted(
                               subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget)),
        Qt::IntersectClip);
    QProxyStyle::drawComplexControl(control, &part, painter, widget);
    painter->restore();
    part.subControls = box->subControls & ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &part, painter, widget);
}
