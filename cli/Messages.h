#pragma once

// The texts the window shows for the same situations, letter for letter, so
// that a message reads the same whichever tool reports it.

#include <string>
#include <string_view>

namespace Messages {

inline constexpr std::string_view kTeamsMustDiffer = "The teams must be different!";
inline constexpr std::string_view kCannotSaveOverDefault = "Cannot save over default profile!";
inline constexpr std::string_view kCouldNotCreateProfile = "Could not create profile!";
inline constexpr std::string_view kUnableToLoad = "Unable to load WST file!";
inline constexpr std::string_view kUnableToSave
    = "Unable to save WST file! Do you have write permissions to the QUAVEL folder?";
inline constexpr std::string_view kCriticalError
    = "QUAVEL has enountered a critical error and cannot continue. Verify QUAVEL has "
      "permission to create files in its working directory and try again.";

inline std::string CouldNotCreateDirectory(std::string_view folder)
{
    return "Could not create directory:\n" + std::string(folder);
}

inline std::string ErrorPublishingTo(std::string_view path, int error)
{
    return "Error Publishing to:\n" + std::string(path) + "\nError: " + std::to_string(error);
}

}  // namespace Messages
