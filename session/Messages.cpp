#include "session/Messages.h"

namespace Messages {

std::string CouldNotCreateDirectory(std::string_view folder)
{
    return "Could not create directory:\n" + std::string(folder);
}

std::string ErrorPublishingTo(std::string_view path, int error)
{
    return "Error Publishing to:\n" + std::string(path) + "\nError: " + std::to_string(error);
}

std::string ErrorSavingAs(std::string_view path, int error)
{
    return "Error Saving As:\n" + std::string(path) + "\nError: " + std::to_string(error);
}

std::string SavedAs(std::string_view path)
{
    return "Saved As:\n" + std::string(path);
}

std::string SettingsNotReadable(std::string_view path)
{
    return "Cannot read the settings file:\n" + std::string(path);
}

std::string SettingsNotSaved(std::string_view path, int error)
{
    return "Error Saving the settings file:\n" + std::string(path)
        + "\nError: " + std::to_string(error);
}

}  // namespace Messages
