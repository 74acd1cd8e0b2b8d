#include "app/Pictures.h"
#include "tests/controls/WidgetTesting.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>

namespace {

const QColor cream(0xf2, 0xe6, 0xb8);

bool IsTransparent(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y).alpha() == 0;
}

// The corners of the image, outside the picture drawn in it.
void ExpectTransparentCorners(const QImage& image)
{
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    EXPECT_TRUE(IsTransparent(image, 0, 0));
    EXPECT_TRUE(IsTransparent(image, right, 0));
    EXPECT_TRUE(IsTransparent(image, 0, bottom));
    EXPECT_TRUE(IsTransparent(image, right, bottom));
}

class IconImageTest : public testing::TestWithParam<int> { };

TEST_P(IconImageTest, ShieldFillsTheSquareWithTransparentCorners)
{
    const int size = GetParam();
    const QImage icon = IconImage(size);
    EXPECT_EQ(icon.size(), QSize(size, size));
    ExpectTransparentCorners(icon);
    // Inside the shield, left of the letter: opaque olive, green above red above blue.
    const QColor body = icon.pixelColor(size * 7 / 32, size * 7 / 32);
    EXPECT_EQ(body.alpha(), 255);
    EXPECT_GT(body.green(), body.red());
    EXPECT_GT(body.red(), body.blue());
}

TEST_P(IconImageTest, LetterIsDrawnInCream)
{
    const QImage icon = IconImage(GetParam());
    EXPECT_GT(CountPixels(icon, icon.rect(), cream, 40), GetParam() / 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconImageTest, testing::Values(16, 32, 48, 256));

TEST(Pictures, ApplicationIconOffersTheFrameAndTaskBarSizes)
{
    const QIcon icon = ApplicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 32, 48})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_EQ(icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
        IconImage(32));
}

TEST(Pictures, BannerIsAnOpaqueDarkBandWithALightName)
{
    const QImage banner = BannerImage();
    ASSERT_EQ(banner.size(), QSize(350, 41));
    int lightness = 0;
    for (int y = 0; y < banner.height(); ++y)
        for (int x = 0; x < banner.width(); ++x) {
            EXPECT_EQ(banner.pixelColor(x, y).alpha(), 255);
            lightness += banner.pixelColor(x, y).lightness();
        }
    EXPECT_LT(lightness / (350 * 41), 100);
    EXPECT_GT(CountPixels(banner, QRect(46, 0, 110, 39), cream, 30), 50);
}

TEST(Pictures, DonateButtonIsAPillWithDarkText)
{
    const QImage button = DonateButtonImage();
    ASSERT_EQ(button.size(), QSize(62, 31));
    ExpectTransparentCorners(button);
    EXPECT_EQ(button.pixelColor(5, 15).alpha(), 255);
    EXPECT_GT(CountPixels(button, button.rect(), QColor(0x3b, 0x2a, 0x05), 60), 20);
}

// Desktop menus show the scalable copy of the icon; it has to keep the motif.
TEST(Pictures, ScalableIconIsA32UnitSvgInTheIconColours)
{
    // The data folder is tests/app/data; the icon lives with the program's sources.
    QFile file(QDir::cleanPath(QUAVEL_TEST_DATA "/../../../app/resources/quavel.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    std::map<QString, QString> root;
    QString rootNamespace;
    QStringList colours;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (svg.name() == u"svg")
            rootNamespace = svg.namespaceUri().toString();
        for (const QXmlStreamAttribute& attribute : svg.attributes()) {
            if (svg.name() == u"svg")
                root[attribute.name().toString()] = attribute.value().toString();
            if (attribute.value().startsWith(u'#'))
                colours << attribute.value().toString();
        }
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(rootNamespace, "http://www.w3.org/2000/svg");
    EXPECT_EQ(root["viewBox"], "0 0 32 32");
    for (const char* colour : {"#6b7a2e", "#3a4418", "#2b3210", "#f2e6b8"})
        EXPECT_TRUE(colours.contains(colour)) << colour;
}

}  // namespace
