#pragma once

// Asks the user for one line of text in a small modal window: a caption, a
// prompt, an edit field, OK and Cancel. OK is usable only while the field
// holds text (blanks count); Enter confirms like OK, Escape and the close box
// cancel. A new question takes a new TextPrompt.

#include <QString>

class QWidget;

class TextPrompt {
public:
    enum Result : int { Ok = 1, Cancel = 2 };
    enum class Echo { Plain, Masked };

    // Runs the prompt modally, centred over parent (the active window when
    // none is given), and returns Ok or Cancel.
    int Run(QWidget* parent, const QString& caption, const QString& prompt,
        const QString& initialText, Echo echo);
    // The field's text when the prompt ended, whichever way it ended.
    QString ResultText() const { return resultText; }

private:
    QString resultText;
};
