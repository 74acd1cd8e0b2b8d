#include "installs/InstallProblem.h"

#include "installs/GameDir.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

namespace {

struct ProblemText {
    InstallProblem problem;
    std::string_view before;  // the text before the detail
    std::string_view after;   // and after it
};

constexpr std::array<ProblemText, 9> kProblemTexts = {{
    {InstallProblem::NoPrefix, "no Wine prefix found", ""},
    {InstallProblem::NoRegistry, "no Wine registry (system.reg) in ", ""},
    {InstallProblem::RegistryUnreadable, "", ""},
    {InstallProblem::KeyMissing, "no registry key HKEY_LOCAL_MACHINE\\", ""},
    {InstallProblem::ValueMissing, "no value GAMEDIR in HKEY_LOCAL_MACHINE\\", ""},
    {InstallProblem::NotPlainString, "GAMEDIR in HKEY_LOCAL_MACHINE\\",
        " is not a plain string (REG_SZ)"},
    {InstallProblem::ValueTooLong, "GAMEDIR in HKEY_LOCAL_MACHINE\\",
        " is longer than the game's 255 characters"},
    {InstallProblem::DriveWithoutLink, "the drive of ",
        " has no link in the Wine prefix's dosdevices folder"},
    {InstallProblem::ChosenFolderMissing, "the chosen folder ", " is not a folder"},
}};

static_assert(kGameDirBufferBytes == 256, "the text of ValueTooLong names the limit");

struct FileName {
    SearchedFile kind;
    std::string_view name;
};

constexpr std::array<FileName, 4> kFileNames = {{
    {SearchedFile::WineRegistry, "the Wine registry"},
    {SearchedFile::SteamLibraryList, "the Steam library list"},
    {SearchedFile::LutrisGame, "the Lutris game file"},
    {SearchedFile::SettingsFile, "the settings file"},
}};

constexpr std::size_t kMebibyte = 1024 * 1024;

std::string InMebibytes(std::size_t limit)
{
    return std::to_string(limit) + " (" + std::to_string(limit / kMebibyte) + " MiB)";
}

}  // namespace

std::string DescribeProblem(InstallProblem problem, std::string_view detail)
{
    const auto text = std::find_if(kProblemTexts.begin(), kProblemTexts.end(),
        [problem](const ProblemText& entry) { return entry.problem == problem; });
    if (text == kProblemTexts.end())
        return {};
    if (problem == InstallProblem::NoPrefix)
        return std::string(text->before);
    return std::string(text->before) + std::string(detail) + std::string(text->after);
}

std::string SkippedFile::Text() const
{
    const auto name = std::find_if(kFileNames.begin(), kFileNames.end(),
        [this](const FileName& entry) { return entry.kind == kind; });
    return "cannot read " + std::string(name->name) + ' ' + path.string() + ": " + reason;
}

std::string FileErrorReason(int error)
{
    // The program's own refusal of FIFOs, devices and sockets, not a failed call.
    if (error == EINVAL)
        return "not a regular file";
    return std::generic_category().message(error);
}

std::string FileSizeReason(std::uintmax_t size, std::size_t limit)
{
    if (size <= limit)
        return "it grew while being read, past " + InMebibytes(limit);
    return "it is " + std::to_string(size) + " bytes, more than " + InMebibytes(limit);
}

std::string LongLineReason(std::size_t line, std::size_t limit)
{
    return "line " + std::to_string(line) + " is longer than " + std::to_string(limit) + " bytes";
}

std::string NulByteReason(std::size_t line)
{
    return "line " + std::to_string(line) + " holds a NUL byte";
}

std::string NotWineRegistryReason()
{
    return "its first line is not \"WINE REGISTRY Version 2\"";
}

std::string YamlErrorReason(std::size_t line, std::size_t column, std::string_view message)
{
    std::string text = "not valid YAML";
    if (line > 0)
        text += " (line " + std::to_string(line) + ", column " + std::to_string(column) + ')';
    return text + ": " + std::string(message);
}
