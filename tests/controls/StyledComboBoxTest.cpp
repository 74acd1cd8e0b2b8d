#include "controls/StyledComboBox.h"
#include "tests/controls/WidgetTesting.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class StyledComboBoxTest : public testing::Test {
protected:
    StyledComboBoxTest()
    {
        window.resize(220, 80);
        list.setGeometry(10, 10, 160, 24);
        list.addItems({"US Army", "NVA", "ARVN"});
        window.show();
        window.activateWindow();  // the focus, and so the wheel, needs an active window
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    int FieldPixels(QColor color)
    {
        return CountPixels(PaintedImage(list), TextArea(list), color, 8);
    }

    QWidget window;
    StyledComboBox list{&window};
};

struct ColorCase {
    const char* name;
    QColor background;
    QColor text;
};

class StyledComboBoxColorTest : public StyledComboBoxTest,
                                public testing::WithParamInterface<ColorCase> { };

// The face at once, and the rows of the opened list; its last row is not the
// current one, so it is not highlighted.
TEST_P(StyledComboBoxColorTest, FaceAndOpenedListShowTheColours)
{
    list.SetBackgroundColor(GetParam().background);
    list.SetTextColor(GetParam().text);
    list.SetBold(true);
    EXPECT_GT(
        FieldPixels(GetParam().background), TextArea(list).width() * TextArea(list).height() / 2);
    EXPECT_GT(FieldPixels(GetParam().text), 10);
    list.showPopup();
    ASSERT_TRUE(list.view()->viewport()->isVisible());
    const QRect lastRow = list.view()->visualRect(list.model()->index(2, 0));
    const QImage painted = list.view()->viewport()->grab().toImage();
    EXPECT_GT(CountPixels(painted, lastRow, GetParam().background),
        lastRow.width() * lastRow.height() / 2);
    EXPECT_GT(CountPixels(painted, lastRow, GetParam().text, 8), 5);
    list.hidePopup();
}

INSTANTIATE_TEST_SUITE_P(Colors, StyledComboBoxColorTest,
    testing::Values(ColorCase{"RedTeam", QColor(255, 0, 0), QColor(255, 255, 255)},
        ColorCase{"VehicleOnMap", QColor(255, 255, 255), QColor(0, 0, 0)},
        ColorCase{"VehicleNotOnMap", QColor(128, 128, 128), QColor(0, 0, 0)}),
    [](const testing::TestParamInfo<ColorCase>& testCase) { return testCase.param.name; });

// A face given only a background colour keeps its text readable on it,
// whatever text colour the palette around it has: the text of the higher
// contrast, which for greys turns from white to black between 117 and 118.
TEST_F(StyledComboBoxTest, BackgroundAloneBringsAReadableTextColour)
{
    for (auto [background, text] : {std::pair{QColor(255, 255, 255), QColor(0, 0, 0)},
             std::pair{QColor(128, 128, 128), QColor(0, 0, 0)},
             std::pair{QColor(118, 118, 118), QColor(0, 0, 0)},
             std::pair{QColor(117, 117, 117), QColor(255, 255, 255)},
             std::pair{QColor(0, 0, 160), QColor(255, 255, 255)}}) {
        QPalette inverse = window.palette();
        inverse.setColor(QPalette::ButtonText, background);
        window.setPalette(inverse);
        list.SetBackgroundColor(background);
        list.SetBold(true);
        EXPECT_GT(FieldPixels(text), 10) << background.name().toStdString();
    }
}

void Wheel(StyledComboBox& list)
{
    const QPointF center = QRectF(list.rect()).center();
    QWheelEvent wheel(center, list.mapToGlobal(center), QPoint(), QPoint(0, -120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&list, &wheel);
}

TEST_F(StyledComboBoxTest, WheelTurnsOnlyAFocusedList)
{
    QSignalSpy picks(&list, &QComboBox::activated);
    list.clearFocus();
    Wheel(list);
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(picks.count(), 0);
    list.setFocus();
    Wheel(list);
    EXPECT_EQ(list.currentIndex(), 1);
}

}  // namespace
