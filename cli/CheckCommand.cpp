#include "cli/CheckCommand.h"

#include "cli/InputText.h"
#include "cli/JsonWriter.h"
#include "profile/RegularFile.h"
#include "session/ProfileCheck.h"
#include "text/Translated.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CheckedFile {
    std::string name;
    std::optional<std::string> problem;  // none when it loads
};

// "-" is the document on standard input, read as a file of the folder would be.
CheckedFile Check(const std::string& operand, Console& console)
{
    if (operand != kStandardInput)
        return {operand, ProfileFileProblem(operand)};
    const InputText input = ReadInputText(operand, console.in, kMaximumProfileBytes);
    if (!input.error.empty())
        return {input.name, input.error};
    return {input.name, ProfileTextProblem(input.bytes)};
}

void WriteText(const CheckedFile& file, Console& console)
{
    if (!file.problem) {
        console.out << file.name << Translated(": OK") << '\n';
        return;
    }
    // Each line of the reason on its own, so that grep finds them all.
    std::istringstream lines(*file.problem);
    for (std::string line; std::getline(lines, line);)
        console.Error(file.name + ": " + line);
}

void WriteJson(const std::vector<CheckedFile>& files, Console& console)
{
    JsonWriter json(console.out);
    json.BeginArray();
    for (const CheckedFile& file : files) {
        json.BeginObject();
        json.Key("file");
        json.String(file.name);
        json.Key("ok");
        json.Bool(!file.problem);
        json.Key("problem");
        if (file.problem)
            json.String(*file.problem);
        else
            json.Null();
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

ExitStatus RunCheck(const Invocation& invocation, Console& console)
{
    std::vector<CheckedFile> files;
    for (const std::string& operand : invocation.arguments) {
        files.push_back(Check(operand, console));
        if (!invocation.Has("--json"))
            WriteText(files.back(), console);
    }
    if (invocation.Has("--json"))
        WriteJson(files, console);
    const bool allLoad
        = std::ranges::all_of(files, [](const CheckedFile& file) { return !file.problem; });
    return allLoad ? ExitStatus::Success : ExitStatus::Failed;
}
