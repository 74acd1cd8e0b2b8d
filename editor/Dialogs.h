#pragma once

// Every question and message the editor puts to the user goes through this
// interface, so that tests can answer them without a modal dialog blocking.
// QtDialogs (app/) is the real one.

#include <QString>

#include <optional>

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An application message box: titled with the application name, the
    // standard icon for its buttons (a warning for OK, a question otherwise).
    virtual MessageAnswer ShowApplicationMessage(const QString& text, MessageButtons buttons) = 0;
    // A window message box: owned by the main window, the given title (may be
    // empty), an OK button and no icon.
    virtual void ShowWindowMessage(const QString& title, const QString& text) = 0;
    // The file-save dialog for a .wst file, starting in startFolder; none when
    // cancelled. Asks itself before an existing file is replaced.
    virtual std::optional<QString> AskSaveFileName(const QString& startFolder) = 0;
    // The text prompt; none when cancelled or closed.
    virtual std::optional<QString> AskText(const QString& caption, const QString& prompt) = 0;
};
