// The program's one switch, and the window's look on any desktop: readable
// under a dark theme and no text clipped. CMakeLists.txt runs the look tests
// again at the scale factors of high-density screens.

#include "app/EditorApp.h"
#include "controls/StyledComboBox.h"
#include "controls/WindowStyle.h"
#include "panels/ControlIds.h"
#include "tests/app/WindowTesting.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

TEST(EditorAppTest, WorkingFolderSwitchIsFoundAnywhereInTheCommandLine)
{
    struct Case {
        std::vector<const char*> arguments;
        bool expected;
    };
    const Case cases[] = {
        {{"/opt/quavel/quavel", "+bvrm"}, true},
        {{"quavel", "x+bvrmy"}, true},
        {{"/home/a+bvrm/quavel"}, true},
        {{"quavel", "+BVRM"}, false},  // letter case counts
        {{"quavel", "+bv", "rm"}, false},
        {{}, false},
    };
    for (const Case& c : cases) {
        const int count = static_cast<int>(c.arguments.size());
        EXPECT_EQ(EditorApp::HasWorkingFolderSwitch(count, c.arguments.data()), c.expected)
            << (count > 1 ? c.arguments[1] : "");
    }
}

using EditorAppLookTest = WindowTest;

double Luminance(QColor color)
{
    double sum = 0;
    for (auto [channel, weight] : {std::pair{color.redF(), 0.2126},
             std::pair{color.greenF(), 0.7152}, std::pair{color.blueF(), 0.0722}}) {
        const double linear
            = channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        sum += weight * linear;
    }
    return sum;
}

// The WCAG contrast of the text in the area against its background: the
// commonest colour is the background, the pixel farthest from it the text.
double TextContrast(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const double background = Luminance(
        std::ranges::max_element(counts, {}, [](const auto& entry) { return entry.second; })
            ->first);
    double contrast = 1;
    for (const auto& [color, count] : counts) {
        const double text = Luminance(color);
        contrast = std::max(contrast,
            (std::max(text, background) + 0.05) / (std::min(text, background) + 0.05));
    }
    return contrast;
}

QPalette DarkDesktopPalette()
{
    QPalette dark(QColor(0xee, 0xee, 0xee), QColor(0x35, 0x35, 0x35), QColor(0x50, 0x50, 0x50),
        QColor(0x20, 0x20, 0x20), QColor(0x30, 0x30, 0x30), QColor(0xf0, 0xf0, 0xf0),
        QColor(0xff, 0xff, 0xff), QColor(0x2a, 0x2a, 0x2a), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    return dark;
}

// The area where the style draws a control's text.
QRect TextArea(QWidget& control)
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

QStringList TextsOf(QWidget& control)
{
    if (auto* dropDown = qobject_cast<QComboBox*>(&control)) {
        QStringList entries;
        for (int entry = 0; entry < dropDown->count(); ++entry)
            entries << dropDown->itemText(entry);
        return entries;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        return {button->text()};
    if (auto* label = qobject_cast<QLabel*>(&control))
        return {label->text()};
    return {};
}

TEST_F(EditorAppLookTest, TextsStayReadableUnderADarkDesktopPalette)
{
    QApplication::setPalette(DarkDesktopPalette());
    WindowStyle::Install();  // what start-up does after the desktop has set its palette
    FakeDialogs ownDialogs;
    MainWindow darkWindow(ownDialogs);
    darkWindow.show();
    const QImage painted = darkWindow.grab().toImage();
    struct Face {
        const char* name;
        int id;
    };
    for (const Face& face : {Face{"vehicle drop-down", ControlId::VehicleBm21},
             Face{"team drop-down", ControlId::BlueTeam}, Face{"kit label", ControlId::BlueScout},
             Face{"map filter", ControlId::MapFilter}}) {
        QWidget& control = *darkWindow.Control(face.id);
        // The grab has as many pixels as the screen.
        const QRectF area = TextArea(control).translated(control.pos());
        const qreal ratio = painted.devicePixelRatio();
        const QRectF pixels(area.topLeft() * ratio, area.size() * ratio);
        EXPECT_GE(TextContrast(painted, pixels.toRect()), 4.5) << face.name;
    }
}

TEST_F(EditorAppLookTest, OpenedVehicleListKeepsToItsRowsWithAScrollBar)
{
    window.show();
    auto& list = ControlOf<QComboBox>(ControlId::VehicleBm21);
    list.showPopup();
    const QAbstractItemView& view = *list.view();
    EXPECT_LE(view.height(), (list.maxVisibleItems() + 1) * view.sizeHintForRow(0));
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());
    list.hidePopup();
}

TEST_F(EditorAppLookTest, EveryCaptionAndEntryFitsItsControl)
{
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* box = qobject_cast<QGroupBox*>(control)) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect caption = box->style()->subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            EXPECT_TRUE(box->rect().contains(caption)) << box->title().toStdString();
            continue;
        }
        const QRect area = TextArea(*control);
        auto* dropDown = qobject_cast<StyledComboBox*>(control);
        for (const QString& text : TextsOf(*control)) {
            if (text.isEmpty())
                continue;
            const QFontMetrics metrics(dropDown ? dropDown->FaceFont(text) : control->font());
            EXPECT_LE(metrics.horizontalAdvance(text), area.width()) << text.toStdString();
            EXPECT_LE(metrics.height(), area.height()) << text.toStdString();
        }
    }
}

}  // namespace
