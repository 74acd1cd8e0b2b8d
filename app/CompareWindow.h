#pragma once

// A small modal window listing every setting in which the current profile,
// with its unsaved edits, differs from another one the user chooses: a
// profile of the working folder (its file as saved), "Default", or what a
// publish target's CustomCombat.wst holds. The lines are the session's
// comparison, the same quavel-cli diff prints.

#include "session/PublishTarget.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class EditingSession;
class QComboBox;
class QListWidget;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    CompareWindow(const EditingSession& session, QWidget* parent = nullptr);

    // Compares with the profile list's entry, or with what the target holds.
    void ChooseEntry(int entry);
    void ChooseTarget(PublishTarget target);

    static constexpr const char* kTitle = TranslatedLater("Compare With");

private:
    struct Choice {
        int entry = -1;  // of the profile list; -1 for a target
        std::optional<PublishTarget> target;
    };

    void AddChoices();
    void Choose(int index);
    void ShowDifferences();

    const EditingSession& session_;
    std::vector<Choice> choices_;
    QComboBox* others_;
    QListWidget* lines_;
};
