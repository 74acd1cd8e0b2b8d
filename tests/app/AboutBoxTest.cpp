#include "app/AboutBox.h"
#include "app/DialogUnits.h"
#include "tests/controls/WidgetTesting.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class AboutBoxTest : public testing::Test {
protected:
    AboutBoxTest()
    {
        box.SetUrlOpener([this](const QUrl& address) { opened.push_back(address); });
        box.show();
    }

    QRect Pixels(const QRect& units) { return DialogUnitsToPixels(units, box.font()); }

    // The label placed at the corner of the given rectangle in dialog units.
    QLabel* LabelAt(const QRect& units)
    {
        for (auto* label : box.findChildren<QLabel*>())
            if (label->pos() == Pixels(units).topLeft())
                return label;
        ADD_FAILURE() << "no label at " << units.x() << ", " << units.y();
        return nullptr;
    }

    QPushButton* Ok() { return box.findChild<QPushButton*>(); }

    QWidget owner;
    AboutBox box{&owner};
    std::vector<QUrl> opened;
};

const QRect iconUnits(28, 36, 21, 20);
const QRect bannerUnits(28, 8, 233, 25);
const QRect titleUnits(52, 36, 220, 8);
const QRect donateUnits(224, 64, 41, 19);
const QRect emailUnits(60, 60, 84, 8);
const QRect webUnits(60, 68, 100, 8);
const QRect noticeUnits(28, 132, 240, 24);
const QRect chatUnits(60, 76, 100, 8);

TEST_F(AboutBoxTest, IsAWhiteCaptionlessBoxOfFixedSize)
{
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(box.size(), Pixels(QRect(0, 0, 292, 262)).size());
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.parentWidget(), &owner);
    const QImage painted = box.grab().toImage();
    EXPECT_EQ(
        painted.pixelColor(box.width() / 2, Pixels(QRect(0, 100, 1, 1)).top()), QColor(Qt::white));
    EXPECT_NE(painted.pixelColor(0, box.height() / 2), QColor(Qt::white));  // the thin border
}

TEST_F(AboutBoxTest, TextsStandInTheirPlaces)
{
    struct Placed {
        QRect units;
        QString text;
    };
    const std::vector<Placed> texts{{titleUnits, "Battlefield Vietnam Quavel v1.0 beta 1a"},
        {QRect(28, 60, 20, 8), "Email:"}, {QRect(28, 68, 28, 8), "Website:"},
        {QRect(28, 76, 28, 8), "IRC:"}};
    for (const Placed& placed : texts) {
        QLabel* label = LabelAt(placed.units);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), placed.text);
        // Single lines may widen to show all of their text.
        EXPECT_EQ(label->height(), Pixels(placed.units).height());
        EXPECT_GE(label->width(), Pixels(placed.units).width());
        EXPECT_GE(label->width(), label->sizeHint().width());
    }
    EXPECT_TRUE(LabelAt(titleUnits)->font().bold());
    EXPECT_EQ(Ok()->text(), "OK");
    EXPECT_EQ(Ok()->geometry(), Pixels(QRect(120, 240, 50, 16)));
}

TEST_F(AboutBoxTest, ContactLinesHaveTheirLengthsAndStayUnderExampleOrg)
{
    const QString email = LabelAt(emailUnits)->text();
    const QString web = LabelAt(webUnits)->text();
    const QString chat = LabelAt(chatUnits)->text();
    EXPECT_EQ(email.size(), 21);
    EXPECT_EQ(web.size(), 26);
    EXPECT_EQ(chat.size(), 25);
    EXPECT_TRUE(email.endsWith("@example.org"));
    QTest::mouseClick(LabelAt(emailUnits), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.front(), QUrl("mailto:" + email));
    EXPECT_TRUE(QUrl(web).host().endsWith("example.org"));
    EXPECT_TRUE(chat.contains("example.org"));
}

TEST_F(AboutBoxTest, NoticeDisclaimsTheGamesMakersInAWrappedBlock)
{
    QLabel* notice = LabelAt(noticeUnits);
    ASSERT_NE(notice, nullptr);
    EXPECT_NEAR(notice->text().size(), 173, 8);
    EXPECT_TRUE(notice->text().contains("neither endorsed nor supported"));
    EXPECT_TRUE(notice->text().contains("Digital Illusions"));
    EXPECT_TRUE(notice->text().contains("Electronic Arts"));
    EXPECT_TRUE(notice->wordWrap());
    EXPECT_EQ(notice->geometry(), Pixels(noticeUnits));
}

TEST_F(AboutBoxTest, PicturesKeepTheirSizesAtTheirCorners)
{
    struct Picture {
        QRect units;
        QSize size;
    };
    for (const Picture& picture : {Picture{iconUnits, QSize(32, 32)},
             Picture{bannerUnits, QSize(350, 41)}, Picture{donateUnits, QSize(62, 31)}}) {
        QLabel* label = LabelAt(picture.units);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pixmap().size(), picture.size);
        EXPECT_EQ(label->size(), picture.size);
    }
}

TEST_F(AboutBoxTest, LinksAreBlueAndUnderlinedWhileOtherTextKeepsTheSystemColour)
{
    for (const QRect& units : {emailUnits, webUnits}) {
        QLabel* link = LabelAt(units);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
        EXPECT_GT(CountPixels(PaintedImage(*link), link->rect(), QColor(0, 0, 255), 60), 10);
        EXPECT_GT(CountPixels(PaintedImage(*link), link->rect(), QColor(Qt::white)), 0);
    }
    const QColor systemText = QApplication::palette().color(QPalette::WindowText);
    for (const QRect& units : {titleUnits, chatUnits, noticeUnits}) {
        QLabel* text = LabelAt(units);
        EXPECT_EQ(text->palette().color(QPalette::WindowText), systemText);
        EXPECT_FALSE(text->font().underline());
    }
}

struct ClickCase {
    const char* name;
    QRect units;
    QString address;  // empty: the click opens nothing
};

class AboutBoxClickTest : public AboutBoxTest, public testing::WithParamInterface<ClickCase> { };

TEST_P(AboutBoxClickTest, ClickOpensTheItemsAddress)
{
    QLabel* label = LabelAt(GetParam().units);
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    if (GetParam().address.isEmpty()) {
        EXPECT_TRUE(opened.empty());
    } else {
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened.front(), QUrl(GetParam().address));
    }
    EXPECT_TRUE(box.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Items, AboutBoxClickTest,
    testing::Values(ClickCase{"Email", emailUnits, "mailto:qv.editor@example.org"},
        ClickCase{"Website", webUnits, "http://quavel.example.org/"},
        ClickCase{"Donation", donateUnits, "http://quavel.example.org/donate"},
        ClickCase{"Chat", chatUnits, ""}, ClickCase{"Banner", bannerUnits, ""},
        ClickCase{"Title", titleUnits, ""}, ClickCase{"Icon", iconUnits, ""}),
    [](const testing::TestParamInfo<ClickCase>& testCase) { return testCase.param.name; });

TEST_F(AboutBoxTest, RightClickOrADragOffTheLinkOpensNothing)
{
    QLabel* web = LabelAt(webUnits);
    QTest::mouseClick(web, Qt::RightButton, {}, QPoint(4, 4));
    QTest::mousePress(web, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(web, Qt::LeftButton, {}, QPoint(-20, 4));
    EXPECT_TRUE(opened.empty());
}

struct CloseCase {
    const char* name;
    std::function<void(QWidget&)> close;
};

class AboutBoxCloseTest : public testing::TestWithParam<CloseCase> { };

TEST_P(AboutBoxCloseTest, ModalRunEnds)
{
    QWidget owner;
    owner.show();
    AboutBox box(&owner);
    WhenModalOpens([](QWidget& dialog) {
        EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QPushButton*>());
        GetParam().close(dialog);
    });
    box.exec();
    EXPECT_FALSE(box.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxCloseTest,
    testing::Values(
        CloseCase{"Ok", [](QWidget& dialog) { dialog.findChild<QPushButton*>()->click(); }},
        CloseCase{"Enter",
            [](QWidget&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
        CloseCase{"Escape",
            [](QWidget&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        CloseCase{"SpaceOnOk",
            [](QWidget&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }}),
    [](const testing::TestParamInfo<CloseCase>& testCase) { return testCase.param.name; });

}  // namespace
