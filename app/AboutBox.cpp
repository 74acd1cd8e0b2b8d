#include "app/AboutBox.h"

#include "app/DialogUnits.h"
#include "app/Pictures.h"
#include "app/TranslatedString.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

enum class ItemKind { Picture, Text, Title, Notice, MailLink, WebLink };

struct AboutItem {
    ItemKind kind;
    QRect units;  // x, y, width, height in dialog units
    const char* text;
    QImage (*picture)(qreal devicePixelRatio);
    const char* address;  // opened by a click; the links open their own text
};

constexpr AboutItem aboutItems[] = {
    {ItemKind::Picture, {28, 36, 21, 20}, nullptr, [](qreal ratio) { return IconImage(32, ratio); },
        nullptr},
    {ItemKind::Picture, {28, 8, 233, 25}, nullptr, BannerImage, nullptr},
    {ItemKind::Title, {52, 36, 220, 8}, "Battlefield Vietnam Quavel v1.0 beta 1a", nullptr,
        nullptr},
    {ItemKind::Picture, {224, 64, 41, 19}, nullptr, DonateButtonImage,
        "http://quavel.example.org/donate"},
    {ItemKind::Text, {28, 60, 20, 8}, TranslatedLater("Email:"), nullptr, nullptr},
    {ItemKind::MailLink, {60, 60, 84, 8}, "qv.editor@example.org", nullptr, nullptr},
    {ItemKind::Text, {28, 68, 28, 8}, TranslatedLater("Website:"), nullptr, nullptr},
    {ItemKind::WebLink, {60, 68, 100, 8}, "http://quavel.example.org/", nullptr, nullptr},
    {ItemKind::Notice, {28, 132, 240, 24},
        TranslatedLater(
            "Quavel is neither endorsed nor supported by Digital Illusions or Electronic "
            "Arts. Please do not contact Digital Illusions or Electronic Arts about "
            "problems with this editor."),
        nullptr, nullptr},
    {ItemKind::Text, {28, 76, 28, 8}, TranslatedLater("IRC:"), nullptr, nullptr},
    {ItemKind::Text, {60, 76, 100, 8}, "#quavel @ irc.example.org", nullptr, nullptr},
};

constexpr QRect boxUnits(0, 0, 292, 262);
constexpr QRect okUnits(120, 240, 50, 16);
const QColor linkColor(0, 0, 255);

// What a click on the item opens; empty for the items that ignore clicks.
QUrl Address(const AboutItem& item)
{
    if (item.address)
        return QUrl(QString::fromUtf8(item.address));
    switch (item.kind) {
    case ItemKind::MailLink:
        return QUrl(QStringLiteral("mailto:") + QString::fromUtf8(item.text));
    case ItemKind::WebLink:
        return QUrl(QString::fromUtf8(item.text));
    default:
        return QUrl();
    }
}

QFont ItemFont(ItemKind kind, QFont font)
{
    font.setBold(kind == ItemKind::Title);
    font.setUnderline(kind == ItemKind::MailLink || kind == ItemKind::WebLink);
    return font;
}

QLabel* CreateLabel(const AboutItem& item, QWidget* box)
{
    auto* label = new QLabel(box);
    const QRect area = DialogUnitsToPixels(item.units, box->font());
    if (item.kind == ItemKind::Picture) {
        // A picture keeps its own size, placed at the item's corner, and has
        // as many pixels as the screen shows in that size.
        const QPixmap picture = QPixmap::fromImage(item.picture(box->devicePixelRatioF()));
        label->setPixmap(picture);
        label->setGeometry(QRect(area.topLeft(), picture.deviceIndependentSize().toSize()));
        return label;
    }
    label->setText(item.kind == ItemKind::Text || item.kind == ItemKind::Notice
            ? TranslatedString(item.text)
            : QString::fromUtf8(item.text));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(item.kind == ItemKind::Notice);
    label->setFont(ItemFont(item.kind, box->font()));
    // A single line widens rather than clip its last letters in a wider font.
    const int width
        = label->wordWrap() ? area.width() : std::max(area.width(), label->sizeHint().width());
    label->setGeometry(QRect(area.topLeft(), QSize(width, area.height())));
    if (item.kind == ItemKind::MailLink || item.kind == ItemKind::WebLink) {
        QPalette blue = label->palette();
        blue.setColor(QPalette::WindowText, linkColor);
        label->setPalette(blue);
    }
    return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , openUrl([](const QUrl& address) { QDesktopServices::openUrl(address); })
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(DialogUnitsToPixels(boxUnits, font()).size());

    auto* ok = new QPushButton(TranslatedString("OK"), this);
    ok->setGeometry(DialogUnitsToPixels(okUnits, font()));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (const AboutItem& item : aboutItems) {
        QLabel* label = CreateLabel(item, this);
        if (const QUrl address = Address(item); !address.isEmpty()) {
            addresses.insert(label, address);
            label->installEventFilter(this);
        }
    }
    ok->setFocus();
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QWidget*>(watched);
        if (release->button() == Qt::LeftButton
            && label->rect().contains(release->position().toPoint())) {
            openUrl(addresses.value(watched));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Without a frame from the window system, the box draws its own thin border.
void AboutBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
