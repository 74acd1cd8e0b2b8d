#include "editor/ProfileCommands.h"

#include "editor/Dialogs.h"
#include "editor/Editor.h"
#include "editor/ProfileListBox.h"
#include "editor/ProfileLoader.h"

#include <QFile>

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kInitialProfilePrefix = "CustomCombat";

}  // namespace

ProfileCommands::ProfileCommands(
    Editor& editor, ProfileListBox& list, ProfileLoader& loader, Dialogs& dialogs)
    : editor_(editor)
    , list_(list)
    , loader_(loader)
    , dialogs_(dialogs)
{
}

void ProfileCommands::FillProfileList(Selection selection)
{
    EditorState& state = editor_.state;
    std::vector<std::string> names;
    if (state.profileStore->ListProfiles(names) <= 0)
        names.clear();  // a placeholder text at most, never shown
    list_.Fill(names);
    if (selection == Selection::Current) {
        list_.Select(list_.FindStartingWith(state.currentProfile->name));
        return;
    }
    const int initial = list_.FindStartingWith(kInitialProfilePrefix);
    if (initial >= 0) {
        list_.Select(initial);
        if (loader_.LoadNamed(list_.NameAt(initial)))
            return;
    }
    list_.Select(0);
    loader_.LoadDefault();
}

void ProfileCommands::SwitchToSelected()
{
    const int picked = editor_.state.SelectedProfileIndex();
    if (picked < 0)
        return;  // the user took the selection away: nothing to switch to
    const std::string pickedName = list_.NameAt(picked);
    if (!ConfirmSaveChanges()) {
        ReselectCurrent();
        return;
    }
    // Saving "Default" under another name refreshes the list, which may move
    // the picked entry and selects another.
    bool loaded = false;
    if (picked == 0) {
        list_.Select(0);
        editor_.state.EnableSaveAndRevert(false);
        loaded = loader_.LoadDefault();
    } else {
        list_.Select(list_.Find(pickedName));
        loaded = loader_.LoadNamed(pickedName);
    }
    if (!loaded)
        ReselectCurrent();
}

void ProfileCommands::ReselectCurrent()
{
    EditorState& state = editor_.state;
    list_.Select(state.currentProfile ? list_.Find(state.currentProfile->name) : -1);
    state.SetModified(state.modified);
}

void ProfileCommands::New()
{
    const std::optional<std::string> name = CreateNewProfileFile();
    if (!name)
        return;
    const bool loaded = loader_.LoadNamed(*name);
    list_.Append(*name);
    if (loaded)
        list_.Select(list_.Count() - 1);
}

std::optional<std::string> ProfileCommands::CreateNewProfileFile()
{
    for (;;) {
        const std::optional<QString> entered = dialogs_.AskText(QStringLiteral("New Profile"),
            QStringLiteral("What would you like your profile to be called?"));
        if (!entered)
            return std::nullopt;
        const std::string name = QFile::encodeName(*entered).toStdString();
        QString question;
        if (name == kDefaultProfileName)
            question = QStringLiteral("Cannot save over default profile! Try again?");
        else if (editor_.state.profileStore->CreateProfileFile(name))
            return name;
        else
            question = QStringLiteral("Could not create profile! Try again?");
        if (dialogs_.ShowApplicationMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes)
            return std::nullopt;
    }
}

void ProfileCommands::Save()
{
    EditorState& state = editor_.state;
    editor_.ControlsToProfile(*state.currentProfile);
    if (state.profileStore->SaveProfile(*state.currentProfile) == 1) {
        state.SetModified(false);
        return;
    }
    dialogs_.ShowWindowMessage(QStringLiteral("Error Saving!"),
        QStringLiteral(
            "Unable to save WST file! Do you have write permissions to the QUAVEL folder?"));
}

void ProfileCommands::Revert()
{
    EditorState& state = editor_.state;
    if (state.SelectedProfileIndex() == 0) {
        loader_.LoadDefault();
        return;
    }
    const std::string name = state.currentProfile->name;  // the load replaces the record
    loader_.LoadNamed(name);
}

void ProfileCommands::SaveAs()
{
    std::error_code error;
    const std::filesystem::path workingFolder = std::filesystem::current_path(error);
    const std::optional<QString> chosen
        = dialogs_.AskSaveFileName(QFile::decodeName(workingFolder.c_str()));
    if (!chosen)
        return;
    EditorState& state = editor_.state;
    editor_.ControlsToProfile(*state.currentProfile);
    const std::filesystem::path destination = QFile::encodeName(*chosen).toStdString();
    if (const int code = state.profileStore->ExportProfile(*state.currentProfile, destination)) {
        dialogs_.ShowApplicationMessage(
            QStringLiteral("Error Saving As:\n%1\nError: %2").arg(*chosen, QString::number(code)),
            MessageButtons::Ok);
        return;
    }
    dialogs_.ShowApplicationMessage(
        QStringLiteral("Saved As:\n%1").arg(*chosen), MessageButtons::Ok);
    FillProfileList(Selection::Current);
}

bool ProfileCommands::ConfirmSaveChanges()
{
    EditorState& state = editor_.state;
    if (!state.modified)
        return true;
    const MessageAnswer answer = dialogs_.ShowApplicationMessage(
        QStringLiteral("Your profile has been modified. Save changes?"),
        MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::Yes) {
        // "Default.wst" is rewritten at every load: the edits need a name of their own.
        if (state.currentProfile->name == kDefaultProfileName)
            SaveAs();
        else
            Save();
    }
    return true;
}
