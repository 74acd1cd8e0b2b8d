#include "app/UserDataFolder.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <cstdlib>
#include <system_error>

namespace {

constexpr const char* kFolderName = "quavel";

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::optional<std::filesystem::path> AbsoluteFolder(const std::string& value)
{
    const std::filesystem::path folder(value);
    if (!folder.is_absolute())
        return std::nullopt;
    return folder;
}

std::optional<std::string> CreateFolders(const std::filesystem::path& folder)
{
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        std::error_code error;
        if (std::filesystem::create_directory(partial, error)) {
            std::filesystem::permissions(partial, std::filesystem::perms::owner_all,
                std::filesystem::perm_options::replace, error);
        }
        if (error)
            return Formatted(Translated("cannot create the folder %1$s: %2$s"),
                {partial.string(), error.message()});
    }
    return std::nullopt;
}

}  // namespace

UserDataFolder UserDataFolder::FromProcess()
{
    return {Variable("XDG_DATA_HOME"), Variable("HOME")};
}

std::optional<std::filesystem::path> UserDataFolder::Location() const
{
    if (const auto folder = AbsoluteFolder(dataHome))
        return *folder / kFolderName;
    if (const auto folder = AbsoluteFolder(home))
        return *folder / ".local" / "share" / kFolderName;
    return std::nullopt;
}

std::optional<std::string> UserDataFolder::Enter() const
{
    const std::optional<std::filesystem::path> folder = Location();
    if (!folder)
        return std::string(Translated("neither XDG_DATA_HOME nor HOME names an absolute folder"));
    if (auto problem = CreateFolders(*folder))
        return problem;
    std::error_code error;
    std::filesystem::current_path(*folder, error);
    if (error)
        return Formatted(Translated("cannot work in the folder %1$s: %2$s"),
            {folder->string(), error.message()});
    return std::nullopt;
}
