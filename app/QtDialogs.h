#pragma once

// The editor's questions and messages as real modal dialogs: message boxes,
// the save dialog for .wst files and the text prompt, all over the owner
// window (the main window).

#include "editor/Dialogs.h"

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

    MessageAnswer ShowApplicationMessage(const QString& text, MessageButtons buttons) override;
    void ShowWindowMessage(const QString& title, const QString& text) override;
    std::optional<QString> AskSaveFileName(const QString& startFolder) override;
    std::optional<QString> AskText(const QString& caption, const QString& prompt) override;

private:
    QWidget* Owner() const;

    QPointer<QWidget> owner;
};
