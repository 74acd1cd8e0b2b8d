#pragma once

// Shared by the widget tests: one QApplication per test process, styled like
// the editor, and pixel checks on what a widget really paints.

#include "controls/WindowStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

// gtest_main starts no application; this environment holds one for the whole
// run and ends it before main returns, while Qt can still clean up.
class TestApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        application = std::make_unique<QApplication>(argc, argv);
        WindowStyle::Install();
    }
    void TearDown() override { application.reset(); }

private:
    int argc = 1;
    char name[13] = "quavel-tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

inline testing::Environment* const testApplicationEnvironment
    = testing::AddGlobalTestEnvironment(new TestApplicationEnvironment);

// Hands the modal dialog to drive once the event loop of its modal run has
// started and the dialog's window is active; call it just before the call that
// opens the dialog. drive is expected to end the dialog: one it leaves open
// fails the test and is closed, so that the modal run returns.
inline void WhenModalOpens(std::function<void(QWidget& dialog)> drive)
{
    QTimer::singleShot(0, [drive = std::move(drive)] {
        QPointer<QWidget> dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        // Keys go where the focus is, and the focus follows the active window.
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == dialog; }));
        drive(*dialog);
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            dialog->close();
        }
    });
}

// What the window really shows in the widget's rectangle, including the
// parent's background where the widget is transparent.
inline QImage PaintedImage(QWidget& widget)
{
    QWidget* window = widget.window();
    return window->grab(QRect(widget.mapTo(window, QPoint()), widget.size())).toImage();
}

inline bool IsNear(QColor actual, QColor expected, int tolerance = 0)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

inline int CountPixels(const QImage& image, const QRect& area, QColor color, int tolerance = 0)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += IsNear(image.pixelColor(x, y), color, tolerance) ? 1 : 0;
    return count;
}

// The area where the style draws a control's text.
inline QRect TextArea(QWidget& control)
{
    if (auto* dropDown = qobject_cast<QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(dropDown);
        return control.style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &control);
    }
    QStyleOptionButton option;
    option.initFrom(&control);
    if (qobject_cast<QCheckBox*>(&control))
        return control.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &control);
    if (qobject_cast<QRadioButton*>(&control))
        return control.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &control);
    if (qobject_cast<QPushButton*>(&control))
        return control.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &control);
    return control.contentsRect();
}
