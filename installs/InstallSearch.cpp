#include "installs/InstallSearch.h"

namespace {

std::optional<std::filesystem::path> ChosenFolder(
    const SettingsFile& settings, std::string_view key)
{
    std::optional<std::string> value = settings.Get(key);
    if (!value || value->empty())
        return std::nullopt;
    return std::filesystem::path(std::move(*value));
}

}  // namespace

ChosenFolders ChosenFolders::FromSettings(const SettingsFile& settings)
{
    return {ChosenFolder(settings, kPrefixSetting), ChosenFolder(settings, kGameFolderSetting),
        ChosenFolder(settings, kServerFolderSetting), std::nullopt};
}

ChosenFolders ChosenFolders::Read(const std::filesystem::path& settingsPath)
{
    SettingsFileRead read = SettingsFile::Load(settingsPath);
    if (!read.settings)
        return {std::nullopt, std::nullopt, std::nullopt, std::move(read.skipped)};
    return FromSettings(*read.settings);
}
