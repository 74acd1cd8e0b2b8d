#include "app/TextPrompt.h"
#include "app/TranslatedString.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Rectangles by their edges, the right and bottom ones just outside.
constexpr QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

constexpr QSize clientSize(348, 100);
constexpr QRect promptArea = Edges(6, 6, 340, 35);
constexpr QRect okArea = Edges(188, 62, 258, 85);
constexpr QRect cancelArea = Edges(265, 62, 335, 85);
constexpr QRect fieldArea = Edges(6, 36, 335, 57);

// A caption with a close box only: no minimise, maximise or resizing.
constexpr Qt::WindowFlags windowFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

template <class Control> Control* Place(Control* control, const QRect& area)
{
    control->setGeometry(area);
    return control;
}

}  // namespace

int TextPrompt::Run(QWidget* parent, const QString& caption, const QString& prompt,
    const QString& initialText, Echo echo)
{
    QDialog window(parent ? parent : QApplication::activeWindow(), windowFlags);
    window.setWindowTitle(caption);
    window.setFixedSize(clientSize);

    // Created in tab order: OK, Cancel, then the field.
    auto* label = Place(new QLabel(prompt, &window), promptArea);
    label->setTextFormat(Qt::PlainText);  // shows "&" and "<" as typed
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    auto* ok = Place(new QPushButton(TranslatedString("OK"), &window), okArea);
    ok->setDefault(true);
    auto* cancel = Place(new QPushButton(TranslatedString("Cancel"), &window), cancelArea);
    auto* field = Place(new QLineEdit(initialText, &window), fieldArea);
    field->setEchoMode(echo == Echo::Masked ? QLineEdit::Password : QLineEdit::Normal);

    QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &window, &QDialog::reject);
    QObject::connect(field, &QLineEdit::textChanged, ok,
        [ok](const QString& text) { ok->setEnabled(!text.isEmpty()); });
    ok->setEnabled(!initialText.isEmpty());
    field->setFocus();

    const int answer = window.exec();
    resultText = field->text();
    return answer == QDialog::Accepted ? Ok : Cancel;
}
