#include "app/AboutBox.h"
#include "tests/controls/WidgetTesting.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

class AboutBoxTest : public testing::Test {
protected:
    AboutBoxTest()
    {
        box.SetUrlOpener([this](const QUrl& address) { opened.push_back(address); });
        box.show();
    }

    QWidget owner;
    AboutBox box{&owner};
    std::vector<QUrl> opened;
};

// A click on every label, in the box's order: only the links and the donation picture open.
TEST_F(AboutBoxTest, OnlyTheLinksAndTheDonationPictureOpenTheirAddress)
{
    for (QLabel* label : box.findChildren<QLabel*>())
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(opened,
        (std::vector<QUrl>{QUrl("http://quavel.example.org/donate"),
            QUrl("mailto:qv.editor@example.org"), QUrl("http://quavel.example.org/")}));
    EXPECT_TRUE(box.isVisible());
}

TEST_F(AboutBoxTest, PicturesHaveThePixelsOfTheScreen)
{
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->pixmap().isNull())
            continue;
        EXPECT_EQ(label->pixmap().size(), label->size() * box.devicePixelRatio());
    }
}

}  // namespace
