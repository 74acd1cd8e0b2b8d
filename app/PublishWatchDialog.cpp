#include "app/PublishWatchDialog.h"

#include "app/TextPrompt.h"
#include "session/Messages.h"
#include "text/Translated.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <thread>

namespace {

QString Text(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace

PublishWatchDialog::PublishWatchDialog(QWidget* owner, const std::vector<std::string>& labels)
    : QDialog(owner)
    , labels_(labels)
{
    setWindowTitle(QString::fromUtf8(Translated("Publishing")));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    for (const std::string& label : labels_) {
        rows_.push_back(
            new QLabel(Text(label + ": ") + QString::fromUtf8(Translated("waiting")), this));
        rows_.back()->setTextFormat(Qt::PlainText);
        layout->addWidget(rows_.back());
    }
    auto* cancel = new QPushButton(QString::fromUtf8(Translated("Cancel")), this);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, [this] { stop_.request_stop(); });
}

std::vector<TransportResult> PublishWatchDialog::Run(const WatchedPublish& publish)
{
    std::vector<TransportResult> results;
    QEventLoop loop;
    const PublishWatch watch{[this](const DestinationUpdate& update) {
                                 QMetaObject::invokeMethod(
                                     this, [this, update] { Show(update); }, Qt::QueuedConnection);
                             },
        [this](const CredentialQuestion& question) {
            std::optional<std::string> answer;
            QMetaObject::invokeMethod(
                this, [&] { answer = Ask(question); }, Qt::BlockingQueuedConnection);
            return answer;
        },
        stop_.get_token()};
    QTimer::singleShot(kShowAfterMilliseconds, this, [this] { show(); });
    std::jthread worker([&] {
        results = publish(watch);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    // The rows still queued belong to a dialog that is closing.
    QCoreApplication::removePostedEvents(this);
    hide();
    return results;
}

void PublishWatchDialog::Show(const DestinationUpdate& update)
{
    if (update.index < rows_.size())
        rows_[update.index]->setText(
            Text(labels_[update.index] + ": " + Messages::DestinationStateText(update)));
}

std::optional<std::string> PublishWatchDialog::Ask(const CredentialQuestion& question)
{
    TextPrompt prompt;
    if (prompt.Run(this, Text(question.destination), Text(question.prompt), QString(),
            TextPrompt::Echo::Masked)
        != TextPrompt::Ok)
        return std::nullopt;
    return prompt.ResultText().toStdString();
}
