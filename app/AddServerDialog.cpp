#include "app/AddServerDialog.h"

#include "session/Messages.h"
#include "session/PublishTargets.h"
#include "session/ServerSettings.h"
#include "session/SessionDestination.h"
#include "session/TransportEnvironment.h"
#include "text/Translated.h"
#include "transport/HostKeys.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <thread>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The check of the destination, run on a thread while the window's events go on.
TransportResult CheckOffThread(const PublishDestination& destination)
{
    TransportResult result;
    QEventLoop loop;
    std::jthread worker([&] {
        result = OpenDestination(destination, TransportOptionsOfProcess())->Check({});
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    return result;
}

}  // namespace

AddServerDialog::AddServerDialog(QWidget* owner)
    : QDialog(owner)
    , name_(new QLineEdit(this))
    , url_(new QLineEdit(this))
    , pin_(new QLineEdit(this))
    , status_(new QLabel(this))
{
    setWindowTitle(QString::fromUtf8(Translated("Add Remote Server")));
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8(Translated("Name:")), name_);
    url_->setPlaceholderText(QStringLiteral("sftp://host/srv/bfv"));
    form->addRow(QString::fromUtf8(Translated("URL:")), url_);
    pin_->setPlaceholderText(QStringLiteral("sha256//..."));
    form->addRow(QString::fromUtf8(Translated("Pin (FTPS only):")), pin_);
    auto* test = new QPushButton(QString::fromUtf8(Translated("Test Connection")), this);
    form->addRow(test);
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    form->addRow(status_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(test, &QPushButton::clicked, this, &AddServerDialog::TestConnection);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const std::string problem = ServerProblem(Entered());
        if (problem.empty())
            accept();
        else
            status_->setText(Text(problem));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<ServerEntry> AddServerDialog::Ask()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Entered();
}

ServerEntry AddServerDialog::Entered() const
{
    return {name_->text().trimmed().toStdString(), url_->text().trimmed().toStdString(),
        ServerUse::PublishedTo, pin_->text().trimmed().toStdString()};
}

void AddServerDialog::TestConnection()
{
    ServerEntry server = Entered();
    if (server.name.empty())
        server.name = "test";
    const ServerDestination found = DestinationOf(server);
    if (!found.destination) {
        status_->setText(Text(found.problem));
        return;
    }
    status_->setText(QString::fromUtf8(Translated("Connecting...")));
    const TransportResult result = CheckOffThread(*found.destination);
    status_->setText(Text(result.outcome == Outcome::HostKeyChanged
            ? Messages::HostKeyChanged(found.destination->text, result)
            : Messages::CheckText(result)));
    if (result.outcome == Outcome::HostKeyUnknown && result.hostKey)
        OfferTrust(*result.hostKey);
}

void AddServerDialog::OfferTrust(const HostKey& key)
{
    if (QMessageBox::question(this, windowTitle(), Text(Messages::TrustHostKeyQuestion(key)))
        != QMessageBox::Yes)
        return;
    const TransportResult trusted = TrustHostKey(key);
    status_->setText(trusted.IsDone() ? QString::fromUtf8(Translated("The host key is trusted."))
                                      : Text(trusted.reason));
}
