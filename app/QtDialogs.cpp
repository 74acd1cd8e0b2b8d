#include "app/QtDialogs.h"

#include "app/TextPrompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>
#include <array>

namespace {

struct ButtonSet {
    MessageButtons buttons;
    QMessageBox::StandardButtons standardButtons;
    QMessageBox::Icon icon;
    MessageAnswer whenEscaped;  // Escape, or the close box where the set allows it
};

constexpr std::array buttonSets{
    ButtonSet{MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Warning, MessageAnswer::Ok},
    ButtonSet{MessageButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
        MessageAnswer::No},
    ButtonSet{MessageButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Question, MessageAnswer::Cancel},
};

struct Answer {
    QMessageBox::StandardButton button;
    MessageAnswer answer;
};

constexpr std::array answers{
    Answer{QMessageBox::Ok, MessageAnswer::Ok},
    Answer{QMessageBox::Yes, MessageAnswer::Yes},
    Answer{QMessageBox::No, MessageAnswer::No},
    Answer{QMessageBox::Cancel, MessageAnswer::Cancel},
};

MessageAnswer AnswerOf(int pressed, const ButtonSet& set)
{
    const auto found = std::ranges::find(answers, pressed, &Answer::button);
    return found != answers.end() ? found->answer : set.whenEscaped;
}

}  // namespace

QWidget* QtDialogs::Owner() const
{
    return owner ? owner.data() : QApplication::activeWindow();
}

MessageAnswer QtDialogs::ShowApplicationMessage(const QString& text, MessageButtons buttons)
{
    const ButtonSet& set = *std::ranges::find(buttonSets, buttons, &ButtonSet::buttons);
    QMessageBox box(
        set.icon, QCoreApplication::applicationName(), text, set.standardButtons, Owner());
    return AnswerOf(box.exec(), set);
}

void QtDialogs::ShowWindowMessage(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, Owner());
    box.exec();
}

// Qt's own dialog rather than the desktop's: it behaves the same everywhere
// and leaves the process's current folder alone.
std::optional<QString> QtDialogs::AskSaveFileName(const QString& startFolder)
{
    QFileDialog dialog(Owner(), QString(), startFolder, QStringLiteral("WST Files (*.wst)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The name field starts empty: Qt would take a wildcard name such as "*.wst"
    // literally as the file to save to, where the filter already lists .wst files.
    dialog.setDefaultSuffix(QStringLiteral("wst"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::AskText(const QString& caption, const QString& prompt)
{
    TextPrompt question;
    if (question.Run(Owner(), caption, prompt, QString(), TextPrompt::Echo::Plain)
        != TextPrompt::Ok)
        return std::nullopt;
    return question.ResultText();
}
