#include "session/InstallChoices.h"

#include "profile/FolderLock.h"
#include "session/Messages.h"

#include <system_error>

namespace {

std::string_view SettingKeyOf(Product product)
{
    return product == Product::Server ? kServerFolderSetting : kGameFolderSetting;
}

}  // namespace

InstallSearch SearchOfProcess(std::optional<std::filesystem::path> onlyPrefix)
{
    UserEnvironment environment = UserEnvironment::FromProcess();
    ChosenFolders chosen = ChosenFolders::Read(SettingsFile::PathFor(environment));
    return {std::move(environment), std::move(chosen), std::move(onlyPrefix)};
}

std::optional<std::string> ChangeSettingsFile(
    const std::filesystem::path& path, const std::function<bool(SettingsFile&)>& change)
{
    // The folder is locked, not the file: saving puts a new file in its place.
    const std::filesystem::path folder = path.parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return Messages::SettingsNotSaved(path.string(), error.value());
    const FolderLock lock(folder);
    if (lock.error() != 0)
        return Messages::SettingsNotLocked(path.string(), lock.error());
    SettingsFileRead read = SettingsFile::Load(path);
    if (!read.settings)
        return Messages::SettingsNotReadable(path.string(), read.skipped->reason);
    if (!change(*read.settings))
        return std::nullopt;
    if (const int saveError = read.settings->Save())
        return Messages::SettingsNotSaved(path.string(), saveError);
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
    search_.chosen = ChosenFolders::Read(path);
    Find();
    return problem;
}
