#pragma once

// The commands of the "Profiles" box: switching profile by the list, New,
// Save, Revert and Save As, with the list filling and the save question they
// share with start-up, Publish and closing. Only switching and closing ask
// about unsaved edits; New and Revert drop them, Save As keeps them.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class Dialogs;
class EditorState;
class ProfileLoader;
class ProfileStore;

// Why a new profile was refused: the window's text, and for a terminal the
// reason in words ("" where the text says it all).
struct ProfileRefusal {
    std::string_view message;
    std::string reason;
};

// Creates NAME.wst as a copy of Default.wst (written first when missing),
// never over an existing file; why it was refused, or none once the file exists.
std::optional<ProfileRefusal> CreateNewProfile(ProfileStore& store, const std::string& name);

class ProfileCommands {
public:
    ProfileCommands(EditorState& state, ProfileLoader& loader, Dialogs& dialogs);

    enum class Selection {
        Initial,  // start-up: select and load the first CustomCombat profile, else "Default"
        Current,  // select the current profile's entry; load nothing
    };
    // Lists "Default" and the profile files of the working folder. At start-up
    // a profile asked for by name comes before the CustomCombat rule.
    void FillProfileList(Selection selection, const std::string& asked = {});

    // The user has selected this entry of the list (-1: none).
    void SwitchTo(int picked);
    void New();
    // False after telling the user that the file could not be written, or
    // when the user would not overwrite another program's changes. Given
    // alongTheSave, it runs under the same hold of the folder lock right after
    // the file is written, so that it sees the file as saved (Publish, Save
    // As); it shows nothing, since no question may wait while the lock is held.
    bool Save(const std::function<void()>& alongTheSave = {});
    void Revert();
    void SaveAs();

    // Asks about unsaved edits and saves them on Yes; false when the user
    // cancels the action that asked, or will not overwrite another program's
    // changes. A failed save is told and the action goes on.
    bool ConfirmSaveChanges();

    // Follows the working folder as other programs change it: the list shows
    // its files as they are now, and a current profile without edits whose
    // file another program changed is read again and shown.
    void RefreshFromDisk();

private:
    enum class SaveResult { Saved, Declined, Failed };
    // Saves the current profile's own file under the folder lock, asking
    // first (with no lock held) when another program changed it since it was
    // read; a failure is told once the lock is let go. Leaves the modified
    // flag to the caller.
    SaveResult SaveOwnFile(const std::function<void()>& alongTheSave = {});
    // Asks before a save would replace another program's changes. What tells
    // whether the file is still as the user agreed to replace it; none when
    // the user would not.
    std::optional<std::function<bool()>> AgreeToReplace();
    // The name of a new profile whose file has just been made; none when the
    // user gives up.
    std::optional<std::string> CreateNewProfileFile();
    // The current profile's entry selected again, Save and Revert to match.
    void ReselectCurrent();

    EditorState& state_;
    ProfileLoader& loader_;
    Dialogs& dialogs_;
};
