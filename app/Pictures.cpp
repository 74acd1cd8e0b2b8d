#include "app/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace {

// Colours shared by the icon, the banner and resources/quavel.svg.
const QColor olive(0x6b, 0x7a, 0x2e);
const QColor darkOlive(0x3a, 0x44, 0x18);
const QColor deepOlive(0x1f, 0x25, 0x10);
const QColor outline(0x2b, 0x32, 0x10);
const QColor cream(0xf2, 0xe6, 0xb8);

constexpr std::array iconSizes{16, 32, 48};

// The shield on a 32 × 32 grid: flat top, straight sides, curving to a point.
QPainterPath ShieldPath()
{
    QPainterPath shield;
    shield.moveTo(4, 3);
    shield.lineTo(28, 3);
    shield.lineTo(28, 15);
    shield.cubicTo(28, 22, 22, 27, 16, 30);
    shield.cubicTo(10, 27, 4, 22, 4, 15);
    shield.closeSubpath();
    return shield;
}

// A fully transparent image of this size in device-independent pixels, with
// as many pixels as the ratio asks for, so that it stays sharp on the screen.
QImage BlankImage(QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    return image;
}

QFont PixelFont(int pixels, QFont::Weight weight)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

}  // namespace

QImage IconImage(int size, qreal devicePixelRatio)
{
    QImage image = BlankImage(QSize(size, size), devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    QLinearGradient shade(0, 3, 0, 30);
    shade.setColorAt(0, olive);
    shade.setColorAt(1, darkOlive);
    painter.setPen(QPen(outline, 1.5));
    painter.setBrush(shade);
    painter.drawPath(ShieldPath());

    // The Q: a ring with a tail to the lower right.
    QPen letter(cream, 3.2, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(letter);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(16, 14.5), 6.5, 6.5);
    painter.drawLine(QPointF(18.5, 17), QPointF(23, 22.5));
    return image;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : iconSizes)
        icon.addPixmap(QPixmap::fromImage(IconImage(size)));
    return icon;
}

QImage BannerImage(qreal devicePixelRatio)
{
    QImage image = BlankImage(QSize(350, 41), devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient band(0, 0, 350, 0);
    band.setColorAt(0, darkOlive);
    band.setColorAt(1, deepOlive);
    painter.fillRect(QRect(0, 0, 350, 41), band);
    painter.fillRect(QRect(0, 39, 350, 2), olive);

    painter.drawImage(QPoint(5, 4), IconImage(32, devicePixelRatio));
    painter.setPen(cream);
    painter.setFont(PixelFont(24, QFont::Bold));
    painter.drawText(QRect(46, 0, 110, 39), Qt::AlignLeft | Qt::AlignVCenter, "Quavel");
    painter.setFont(PixelFont(11, QFont::Normal));
    painter.drawText(
        QRect(150, 0, 192, 39), Qt::AlignRight | Qt::AlignVCenter, "Custom Combat profile editor");
    return image;
}

QImage DonateButtonImage(qreal devicePixelRatio)
{
    QImage image = BlankImage(QSize(62, 31), devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF pill(1.5, 3.5, 59, 24);
    QLinearGradient gold(0, pill.top(), 0, pill.bottom());
    gold.setColorAt(0, QColor(0xf7, 0xcf, 0x5a));
    gold.setColorAt(1, QColor(0xd9, 0xa2, 0x1b));
    painter.setPen(QPen(QColor(0x8a, 0x64, 0x10), 1));
    painter.setBrush(gold);
    painter.drawRoundedRect(pill, 12, 12);

    painter.setPen(QColor(0x3b, 0x2a, 0x05));
    painter.setFont(PixelFont(12, QFont::Bold));
    painter.drawText(pill, Qt::AlignCenter, "Donate");
    return image;
}
