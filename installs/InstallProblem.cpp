#include "installs/InstallProblem.h"

#include "installs/GameDir.h"

#include <algorithm>
#include <array>

namespace {

struct ProblemText {
    InstallProblem problem;
    std::string_view before;  // the text before the detail
    std::string_view after;   // and after it
};

constexpr std::array<ProblemText, 8> kProblemTexts = {{
    {InstallProblem::NoPrefix, "no Wine prefix found", ""},
    {InstallProblem::NoRegistry, "no Wine registry (system.reg) in ", ""},
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
