#include "transport/FolderPath.h"

#include "installs/InstallFinder.h"
#include "installs/UnicodeText.h"

#include <algorithm>

namespace {

std::vector<std::string> Split(std::string_view path, char separator)
{
    std::vector<std::string> components;
    std::size_t start = 0;
    for (std::size_t index = 0; index <= path.size(); ++index) {
        if (index < path.size() && path[index] != separator)
            continue;
        const std::string_view component = path.substr(start, index - start);
        if (!component.empty() && component != ".")
            components.emplace_back(component);
        start = index + 1;
    }
    return components;
}

}  // namespace

std::vector<std::string> PathComponents(std::string_view path)
{
    return Split(path, '/');
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    if (folder.empty())
        return std::string(name);
    std::string joined(folder);
    if (!joined.ends_with('/'))
        joined += '/';
    return joined + std::string(name);
}

std::string DisplayPath(std::string_view path)
{
    if (path.starts_with('/'))
        return std::string(path);
    return path.empty() ? "~" : "~/" + std::string(path);
}

const std::vector<std::string>& SettingsFolderComponents()
{
    static const std::vector<std::string> components = Split(kSettingsSubfolder, '\\');
    return components;
}

bool EndsWithSettingsFolder(std::string_view path)
{
    const std::vector<std::string> components = PathComponents(path);
    const std::vector<std::string>& settings = SettingsFolderComponents();
    if (components.size() < settings.size())
        return false;
    return std::equal(settings.begin(), settings.end(), components.end() - settings.size(),
        [](const std::string& expected, const std::string& component) {
            return FoldCase(expected) == FoldCase(component);
        });
}
