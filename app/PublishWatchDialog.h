#pragma once

// A publish to servers, run on a thread of its own while the window's event
// loop goes on. When it takes longer than half a second a modal dialog shows
// one row per destination (connecting, uploading, done, failed with the
// reason) and a Cancel button, which stops what still runs: every server
// keeps its old file or has the new one. Password questions from the worker
// threads are asked here, on the window's thread, in a masked prompt.

#include "session/PublishWatch.h"

#include <QDialog>

#include <stop_token>
#include <string>
#include <vector>

class QLabel;

class PublishWatchDialog : public QDialog {
public:
    PublishWatchDialog(QWidget* owner, const std::vector<std::string>& labels);

    // Runs publish and returns its results once it is done.
    std::vector<TransportResult> Run(const WatchedPublish& publish);

    // How long a publish runs before the dialog shows.
    static constexpr int kShowAfterMilliseconds = 500;

private:
    void Show(const DestinationUpdate& update);
    std::optional<std::string> Ask(const CredentialQuestion& question);

    std::vector<QLabel*> rows_;
    std::vector<std::string> labels_;
    std::stop_source stop_;
};
