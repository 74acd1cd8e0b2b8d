#include "transport/FileAction.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>

namespace {

struct ActionTexts {
    FileAction action;
    const char* failed;      // %1$s: the file or folder, %2$s: why
    const char* unexpected;  // %s: the server
};

constexpr std::array kActionTexts{
    ActionTexts{FileAction::LogIn, TranslatedLater("Could not log in to %1$s: %2$s"), nullptr},
    ActionTexts{FileAction::LookAt, TranslatedLater("Could not look at %1$s: %2$s"),
        TranslatedLater("The server %s answered a request to look at with something unexpected.")},
    ActionTexts{FileAction::List, TranslatedLater("Could not list %1$s: %2$s"),
        TranslatedLater("The server %s answered a request to list with something unexpected.")},
    ActionTexts{FileAction::Open, TranslatedLater("Could not open %1$s: %2$s"),
        TranslatedLater("The server %s answered a request to open with something unexpected.")},
    ActionTexts{FileAction::Read, TranslatedLater("Could not read %1$s: %2$s"),
        TranslatedLater("The server %s answered a request to read with something unexpected.")},
    ActionTexts{FileAction::Write, TranslatedLater("Could not write %1$s: %2$s"),
        TranslatedLater("The server %s answered a request to write with something unexpected.")},
    ActionTexts{FileAction::CreateFolder, TranslatedLater("Could not create the folder %1$s: %2$s"),
        TranslatedLater(
            "The server %s answered a request to create the folder with something unexpected.")},
    ActionTexts{
        FileAction::SetMode, TranslatedLater("Could not set the mode of %1$s: %2$s"), nullptr},
    ActionTexts{FileAction::SetPermissions,
        TranslatedLater("Could not set the permissions of %1$s: %2$s"),
        TranslatedLater("The server %s answered a request to set the permissions of with "
                        "something unexpected.")},
    ActionTexts{FileAction::Rename, TranslatedLater("Could not rename %1$s: %2$s"),
        TranslatedLater("The server %s answered a request to rename with something unexpected.")},
    ActionTexts{FileAction::Remove, TranslatedLater("Could not remove %1$s: %2$s"),
        TranslatedLater("The server %s answered a request to remove with something unexpected.")},
    ActionTexts{FileAction::KeepCopy, TranslatedLater("Could not keep a copy of %1$s: %2$s"),
        TranslatedLater(
            "The server %s answered a request to keep a copy of with something unexpected.")},
};

const ActionTexts& TextsOf(FileAction action)
{
    return *std::find_if(kActionTexts.begin(), kActionTexts.end(),
        [action](const ActionTexts& texts) { return texts.action == action; });
}

}  // namespace

std::string CouldNot(FileAction action, std::string_view place, std::string_view reason)
{
    return Formatted(Translated(TextsOf(action).failed), {place, reason});
}

std::string UnexpectedAnswer(FileAction action, std::string_view host)
{
    const char* unexpected = TextsOf(action).unexpected;
    return Formatted(
        Translated(unexpected ? unexpected : TextsOf(FileAction::LookAt).unexpected), {host});
}
