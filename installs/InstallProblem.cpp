#include "installs/InstallProblem.h"

#include "installs/GameDir.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

namespace {

struct ProblemText {
    InstallProblem problem;
    const char* pattern;  // %s: the detail
};

// RegistryUnreadable's detail is the whole text.
constexpr std::array<ProblemText, 9> kProblemTexts = {{
    {InstallProblem::NoPrefix, TranslatedLater("no Wine prefix found")},
    {InstallProblem::NoRegistry, TranslatedLater("no Wine registry (system.reg) in %s")},
    {InstallProblem::RegistryUnreadable, "%s"},
    {InstallProblem::KeyMissing, TranslatedLater("no registry key HKEY_LOCAL_MACHINE\\%s")},
    {InstallProblem::ValueMissing, TranslatedLater("no value GAMEDIR in HKEY_LOCAL_MACHINE\\%s")},
    {InstallProblem::NotPlainString,
        TranslatedLater("GAMEDIR in HKEY_LOCAL_MACHINE\\%s is not a plain string (REG_SZ)")},
    {InstallProblem::ValueTooLong,
        TranslatedLater(
            "GAMEDIR in HKEY_LOCAL_MACHINE\\%s is longer than the game's 255 characters")},
    {InstallProblem::DriveWithoutLink,
        TranslatedLater("the drive of %s has no link in the Wine prefix's dosdevices folder")},
    {InstallProblem::ChosenFolderMissing, TranslatedLater("the chosen folder %s is not a folder")},
}};

static_assert(kGameDirBufferBytes == 256, "the text of ValueTooLong names the limit");

struct FileName {
    SearchedFile kind;
    const char* cannotRead;  // %1$s: the file, %2$s: why
};

constexpr std::array<FileName, 4> kFileNames = {{
    {SearchedFile::WineRegistry, TranslatedLater("cannot read the Wine registry %1$s: %2$s")},
    {SearchedFile::SteamLibraryList,
        TranslatedLater("cannot read the Steam library list %1$s: %2$s")},
    {SearchedFile::LutrisGame, TranslatedLater("cannot read the Lutris game file %1$s: %2$s")},
    {SearchedFile::SettingsFile, TranslatedLater("cannot read the settings file %1$s: %2$s")},
}};

constexpr std::size_t kMebibyte = 1024 * 1024;

std::string InMebibytes(std::size_t limit)
{
    // TRANSLATORS: a number of bytes, and the same in mebibytes.
    return Formatted(
        Translated("%1$s (%2$s MiB)"), {std::to_string(limit), std::to_string(limit / kMebibyte)});
}

}  // namespace

std::string DescribeProblem(InstallProblem problem, std::string_view detail)
{
    const auto text = std::find_if(kProblemTexts.begin(), kProblemTexts.end(),
        [problem](const ProblemText& entry) { return entry.problem == problem; });
    if (text == kProblemTexts.end())
        return {};
    return Formatted(Translated(text->pattern), {detail});
}

std::string SkippedFile::Text() const
{
    const auto name = std::find_if(kFileNames.begin(), kFileNames.end(),
        [this](const FileName& entry) { return entry.kind == kind; });
    return Formatted(Translated(name->cannotRead), {path.string(), reason});
}

std::string FileErrorReason(int error)
{
    // The program's own refusal of FIFOs, devices and sockets, not a failed call.
    if (error == EINVAL)
        return Translated("not a regular file");
    return std::generic_category().message(error);
}

std::string FileSizeReason(std::uintmax_t size, std::size_t limit)
{
    if (size <= limit)
        return Formatted(Translated("it grew while being read, past %s"), {InMebibytes(limit)});
    return Formatted(TranslatedCount("it is %1$s byte, more than %2$s",
                         "it is %1$s bytes, more than %2$s", static_cast<unsigned long>(size)),
        {std::to_string(size), InMebibytes(limit)});
}

std::string LongLineReason(std::size_t line, std::size_t limit)
{
    return Formatted(TranslatedCount("line %1$s is longer than %2$s byte",
                         "line %1$s is longer than %2$s bytes", limit),
        {std::to_string(line), std::to_string(limit)});
}

std::string NulByteReason(std::size_t line)
{
    return Formatted(Translated("line %s holds a NUL byte"), {std::to_string(line)});
}

std::string NotWineRegistryReason()
{
    return Translated("its first line is not \"WINE REGISTRY Version 2\"");
}

std::string YamlErrorReason(std::size_t line, std::size_t column, std::string_view message)
{
    // TRANSLATORS: the last value is libyaml's own reason, in English.
    if (line > 0)
        return Formatted(Translated("not valid YAML (line %1$s, column %2$s): %3$s"),
            {std::to_string(line), std::to_string(column), message});
    return Formatted(Translated("not valid YAML: %s"), {message});
}
