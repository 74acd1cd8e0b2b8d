#pragma once

// A small modal window listing every setting in which the current profile,
// with its unsaved edits, differs from another one the user chooses: a
// profile of the working folder (its file as saved), "Default", or what a
// publish target's CustomCombat.wst holds. The lines are the session's
// comparison, the same quavel-cli diff prints. A server's file is fetched
// off the window's thread, the list saying so meanwhile; only the answer for
// the choice still shown is shown.

#include "profile/Profile.h"
#include "session/PublishTarget.h"
#include "session/PublishTargets.h"

#include <QDialog>

#include <optional>
#include <string>
#include <thread>
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
    void FetchThenShow(const PublishDestination& server);
    // The differences from other, or why there is none to compare with.
    void ShowAgainst(const std::optional<Profile>& other, const std::string& problem);

    const EditingSession& session_;
    std::vector<Choice> choices_;
    QComboBox* others_;
    QListWidget* lines_;
    int shown_ = 0;  // counts the choices shown, so that a late answer is dropped
    // Last, so that a fetch still running is stopped and joined first.
    std::jthread fetch_;
};
