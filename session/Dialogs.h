#pragma once

// Every question and message the editing session puts to the user goes
// through this interface: the window answers with real modal dialogs, the
// command-line tool prints, and tests answer from a script. Texts and file
// names are bytes as the file system spells them.

#include "session/PublishWatch.h"

#include <optional>
#include <string>
#include <vector>

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An application message box: titled with the application name, the
    // standard icon for its buttons (a warning for OK, a question otherwise).
    virtual MessageAnswer ShowApplicationMessage(const std::string& text, MessageButtons buttons)
        = 0;
    // A window message box: owned by the main window, the given title (may be
    // empty), an OK button and no icon.
    virtual void ShowWindowMessage(const std::string& title, const std::string& text) = 0;
    // The file-save dialog for a .wst file, starting in startFolder; none when
    // cancelled. Asks itself before an existing file is replaced.
    virtual std::optional<std::string> AskSaveFileName(const std::string& startFolder) = 0;
    // A folder dialog titled caption, starting in startFolder; none when cancelled.
    virtual std::optional<std::string> AskFolder(
        const std::string& caption, const std::string& startFolder)
        = 0;
    // The text prompt; none when cancelled or closed.
    virtual std::optional<std::string> AskText(
        const std::string& caption, const std::string& prompt)
        = 0;
    // Runs a publish to the destinations of those labels. The window keeps
    // its events going meanwhile and, when it takes longer than half a
    // second, shows a row per destination with a Cancel button; a terminal
    // prints the rows. Without a front-end of its own it just runs.
    virtual std::vector<TransportResult> WatchPublish(
        const std::vector<std::string>& labels, const WatchedPublish& publish)
    {
        (void)labels;
        return publish({});
    }
};
