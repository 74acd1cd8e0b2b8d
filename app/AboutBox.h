#pragma once

// The About box: a white, captionless modal window with the program's title,
// banner and icon, the contact points and the legal notice. The e-mail and
// web lines and the donation picture open their address with the desktop's
// default handler; OK, Enter and Escape close the box.

#include <QDialog>
#include <QHash>
#include <QUrl>

#include <functional>

class AboutBox : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl&)>;

    explicit AboutBox(QWidget* parent = nullptr);

    // Replaces the desktop's handler, e.g. so that tests can see what would open.
    void SetUrlOpener(UrlOpener opener) { openUrl = std::move(opener); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QHash<QObject*, QUrl> addresses;  // the clickable labels
    UrlOpener openUrl;
};
