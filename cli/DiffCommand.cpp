#include "cli/DiffCommand.h"

#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/ProfileName.h"
#include "cli/ProfileTable.h"
#include "cli/ShowCommand.h"
#include "cli/TargetOperand.h"
#include "session/ComparedProfile.h"
#include "session/ProfileComparison.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using Differences = std::vector<SettingDifference>;
using DifferenceWriter
    = void (*)(const std::string&, const std::string&, const Differences&, std::ostream&);

void WriteLines(
    const std::string&, const std::string&, const Differences& differences, std::ostream& out)
{
    for (const std::string& line : ComparisonLines(differences))
        out << line << '\n';
}

void WriteAssignments(
    const std::string&, const std::string&, const Differences& differences, std::ostream& out)
{
    for (const SettingDifference& difference : differences) {
        out << '-' << difference.first.key << '=' << SettingValueText(difference.first.value)
            << '\n'
            << '+' << difference.second.key << '=' << SettingValueText(difference.second.value)
            << '\n';
    }
}

void WriteJson(const std::string& first, const std::string& second, const Differences& differences,
    std::ostream& out)
{
    JsonWriter json(out);
    json.BeginObject();
    json.Key("a");
    json.String(first);
    json.Key("b");
    json.String(second);
    json.Key("differences");
    json.BeginArray();
    for (const SettingDifference& difference : differences) {
        json.BeginObject();
        json.Key("key");
        json.String(difference.first.key);
        json.Key("name");
        json.String(difference.first.name);
        json.Key("a");
        WriteSettingJson(difference.first.value, json);
        json.Key("b");
        WriteSettingJson(difference.second.value, json);
        json.Key("aWords");
        json.String(difference.first.words);
        json.Key("bWords");
        json.String(difference.second.words);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

constexpr std::array<OutputFormat<DifferenceWriter>, 3> kDiffFormats{{
    {"text", WriteLines},
    {"set", WriteAssignments},
    {"json", WriteJson},
}};

// The profile an operand names; none after a message.
std::optional<Profile> ReadOperand(
    const std::string& operand, const Invocation& invocation, Console& console)
{
    if (!IsTargetOperand(operand))
        return CheckProfileName(operand, console) ? ReadProfileForShowing(operand, console)
                                                  : std::nullopt;
    const std::optional<PublishDestination> destination
        = FindTargetDestination(operand, invocation, console);
    if (!destination)
        return std::nullopt;
    std::string problem;
    std::optional<Profile> profile = ReadPublishedProfile(*destination, problem);
    if (!profile)
        console.err << "quavel-cli: " << problem << '\n';
    return profile;
}

}  // namespace

ExitStatus RunDiff(const Invocation& invocation, Console& console)
{
    const std::string& first = invocation.arguments[0];
    const std::string& second = invocation.arguments[1];
    const std::optional<DifferenceWriter> write = ChosenFormat(kDiffFormats, invocation, console);
    if (!write)
        return ExitStatus::UsageError;
    const std::optional<Profile> before = ReadOperand(first, invocation, console);
    const std::optional<Profile> after
        = before ? ReadOperand(second, invocation, console) : std::nullopt;
    // Trouble is 2, as diff has it, since 1 means "they differ".
    if (!after)
        return ExitStatus::UsageError;
    const Differences differences = CompareProfiles(*before, *after);
    (*write)(first, second, differences, console.out);
    return differences.empty() ? ExitStatus::Success : ExitStatus::Failed;
}
