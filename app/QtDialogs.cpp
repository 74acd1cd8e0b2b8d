#include "app/QtDialogs.h"

#include "app/PublishWatchDialog.h"
#include "app/TextPrompt.h"
#include "app/TranslatedString.h"

#include <QApplication>
#include <QFile>
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

// Texts hold file names as the file system spells them.
QString Text(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string Bytes(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

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

MessageAnswer QtDialogs::ShowApplicationMessage(const std::string& text, MessageButtons buttons)
{
    const ButtonSet& set = *std::ranges::find(buttonSets, buttons, &ButtonSet::buttons);
    QMessageBox box(
        set.icon, QCoreApplication::applicationName(), Text(text), set.standardButtons, Owner());
    return AnswerOf(box.exec(), set);
}

void QtDialogs::ShowWindowMessage(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, Text(title), Text(text), QMessageBox::Ok, Owner());
    box.exec();
}

// Qt's own dialog rather than the desktop's: it behaves the same everywhere
// and leaves the process's current folder alone.
std::optional<std::string> QtDialogs::AskSaveFileName(const std::string& startFolder)
{
    QFileDialog dialog(
        Owner(), QString(), Text(startFolder), TranslatedString("WST Files (*.wst)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The name field starts empty: Qt would take a wildcard name such as "*.wst"
    // literally as the file to save to, where the filter already lists .wst files.
    dialog.setDefaultSuffix(QStringLiteral("wst"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Bytes(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtDialogs::AskFolder(
    const std::string& caption, const std::string& startFolder)
{
    QFileDialog dialog(Owner(), Text(caption), Text(startFolder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Bytes(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtDialogs::AskText(const std::string& caption, const std::string& prompt)
{
    TextPrompt question;
    if (question.Run(Owner(), Text(caption), Text(prompt), QString(), TextPrompt::Echo::Plain)
        != TextPrompt::Ok)
        return std::nullopt;
    return Bytes(question.ResultText());
}

std::vector<TransportResult> QtDialogs::WatchPublish(
    const std::vector<std::string>& labels, const WatchedPublish& publish)
{
    PublishWatchDialog dialog(Owner(), labels);
    return dialog.Run(publish);
}
