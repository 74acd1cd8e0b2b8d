#include "app/AboutBox.h"
#include "tests/controls/WidgetTesting.h"

#include <QLabel>
#include <QPushButton>
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

    // What a click on each label opens, in the box's order of labels.
    std::vector<QUrl> ClickEveryLabel()
    {
        std::vector<QUrl> answers;
        for (QLabel* label : box.findChildren<QLabel*>()) {
            opened.clear();
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
            answers.push_back(opened.empty() ? QUrl() : opened.front());
        }
        return answers;
    }

    QWidget owner;
    AboutBox box{&owner};
    std::vector<QUrl> opened;
};

TEST_F(AboutBoxTest, OnlyTheLinksAndTheDonationPictureOpenTheirAddress)
{
    std::vector<QUrl> addresses;
    for (const QUrl& address : ClickEveryLabel())
        if (!address.isEmpty())
            addresses.push_back(address);
    EXPECT_EQ(addresses,
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
