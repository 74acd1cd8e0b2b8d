#include "session/InstallChoices.h"

#include "session/Messages.h"

namespace {

std::string_view SettingKeyOf(Product product)
{
    return product == Product::Server ? kServerFolderSetting : kGameFolderSetting;
}

}  // namespace

InstallSearch SearchOfProcess(std::optional<std::filesystem::path> onlyPrefix)
{
    InstallSearch search{UserEnvironment::FromProcess(), {}, std::move(onlyPrefix)};
    if (const std::optional<SettingsFile> settings
        = SettingsFile::Load(SettingsFile::PathFor(search.environment)))
        search.chosen = ChosenFolders::FromSettings(*settings);
    return search;
}

std::optional<std::string> ChangeSettingsFile(
    const std::filesystem::path& path, const std::function<bool(SettingsFile&)>& change)
{
    std::optional<SettingsFile> settings = SettingsFile::Load(path);
    if (!settings)
        return Messages::SettingsNotReadable(path.string());
    if (!change(*settings))
        return std::nullopt;
    if (const int error = settings->Save())
        return Messages::SettingsNotSaved(path.string(), error);
    return std::nullopt;
}

std::string InstallEntryText(const FoundInstall& install)
{
    if (install.problem != InstallProblem::None)
        return install.SourceText() + ": " + install.ProblemText();
    const InstallLocation& location = install.location;
    const std::string folder
        = location.windowsFolder.empty() ? location.folder.string() : location.windowsFolder;
    return folder + " (" + install.SourceText() + ')';
}

InstallChoices::InstallChoices(InstallSearch search)
    : search_(std::move(search))
{
}

const InstallsFound& InstallChoices::Find()
{
    found_ = discovery_.Find(search_, FolderCreation::LookOnly);
    return found_;
}

std::filesystem::path InstallChoices::SettingsPath() const
{
    return SettingsFile::PathFor(search_.environment);
}

std::optional<std::string> InstallChoices::Choose(
    Product product, const std::filesystem::path& folder)
{
    search_.onlyPrefix.reset();
    return ChangeAndFind([&](SettingsFile& settings) {
        return settings.Set(SettingKeyOf(product), folder.string());
    });
}

std::optional<std::string> InstallChoices::ForgetChosenFolders()
{
    return ChangeAndFind([](SettingsFile& settings) {
        bool changed = false;
        for (const std::string_view key : kSettingKeys)
            changed = settings.Unset(key) || changed;
        return changed;
    });
}

std::optional<std::string> InstallChoices::ChangeAndFind(
    const std::function<bool(SettingsFile&)>& change)
{
    const std::filesystem::path path = SettingsPath();
    std::optional<std::string> problem = ChangeSettingsFile(path, change);
    if (const std::optional<SettingsFile> settings = SettingsFile::Load(path))
        search_.chosen = ChosenFolders::FromSettings(*settings);
    Find();
    return problem;
}
