#pragma once

// "Add Remote Server...": a name, a URL (sftp://, ftps://, ftp:// or a
// folder), a pin for an FTPS server with a certificate of its own, and "Test
// Connection", which connects once (off the window's thread) and tells what
// it found. A host whose SSH key is unknown is trusted only after a Yes to a
// question that shows the key's fingerprint; a changed key is only warned of.

#include "installs/ServerEntry.h"
#include "transport/TransportResult.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

class AddServerDialog : public QDialog {
public:
    explicit AddServerDialog(QWidget* owner);

    // The server the user entered; none when cancelled.
    std::optional<ServerEntry> Ask();
    // Connects to the server entered now and shows what was found.
    void TestConnection();

    QLineEdit& nameField() { return *name_; }
    QLineEdit& urlField() { return *url_; }
    QLineEdit& pinField() { return *pin_; }
    const QLabel& status() const { return *status_; }

private:
    ServerEntry Entered() const;
    void OfferTrust(const HostKey& key);

    QLineEdit* name_;
    QLineEdit* url_;
    QLineEdit* pin_;
    QLabel* status_;
};
