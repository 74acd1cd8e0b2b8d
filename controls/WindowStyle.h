#pragma once

// The look of the program's windows, the same on every desktop: Fusion with a
// fixed light palette of its own (a desktop's dark theme would otherwise put
// light text on the panels' white faces), one window font, drop-down lists
// that open as tall as they are told with a scroll bar, and group-box frames
// whose top line runs behind the caption rather than a line lower, where it
// would cross the controls placed just under the caption. Drop-down arrows
// and the gap beside check boxes are sized for a dialog-unit layout.

#include <QFont>
#include <QProxyStyle>

class WindowStyle : public QProxyStyle {
    Q_OBJECT
public:
    WindowStyle();

    // Makes this style, its palette and the window font the application's;
    // needs the application object.
    static void Install();
    // Liberation Sans: its letters are narrow enough for every caption and
    // list entry to fit the controls laid out in dialog units of this font.
    static QFont WindowFont();

    QPalette standardPalette() const override;
    int pixelMetric(
        PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returnData) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
        SubControl subControl, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
        QPainter* painter, const QWidget* widget) const override;
};
