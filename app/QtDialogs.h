#pragma once

// The editor's questions and messages as real modal dialogs: message boxes,
// the save dialog for .wst files, the folder dialog and the text prompt, all over the owner
// window (the main window).

#include "session/Dialogs.h"

#include <QPointer>
#include <QWidget>

class QtDialogs : public Dialogs {
public:
    // Without an owner, each dialog is owned by the window active when it opens.
    explicit QtDialogs(QWidget* ownerWindow = nullptr)
        : owner(ownerWindow)
    {
    }
    void SetOwner(QWidget* window) { owner = window; }

    MessageAnswer ShowApplicationMessage(const std::string& text, MessageButtons buttons) override;
    void ShowWindowMessage(const std::string& title, const std::string& text) override;
    std::optional<std::string> AskSaveFileName(const std::string& startFolder) override;
    std::optional<std::string> AskFolder(
        const std::string& caption, const std::string& startFolder) override;
    std::optional<std::string> AskText(
        const std::string& caption, const std::string& prompt) override;
    // See PublishWatchDialog.
    std::vector<TransportResult> WatchPublish(
        const std::vector<std::string>& labels, const WatchedPublish& publish) override;

private:
    QWidget* Owner() const;

    QPointer<QWidget> owner;
};
