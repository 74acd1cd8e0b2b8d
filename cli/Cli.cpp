#include "cli/Cli.h"

#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/GlobalOptions.h"
#include "cli/TextTable.h"
#include "cli/TextWrap.h"
#include "profile/InterruptedWrites.h"
#include "session/Messages.h"
#include "text/EnglishTexts.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <optional>
#include <string_view>

namespace {

// "--to TARGET".
std::string OptionText(const OptionSpec& option)
{
    std::string text(option.name);
    if (!option.valueName.empty())
        text += ' ' + std::string(option.valueName);
    return text;
}

std::string UsageLine(const CommandSpec& command)
{
    std::string line = std::string(kProgramName) + ' ' + std::string(command.name);
    if (!command.arguments.empty())
        line += ' ' + std::string(command.arguments);
    for (const OptionSpec& option : command.options) {
        line += option.use == OptionUse::Required ? ' ' + OptionText(option)
                                                  : " [" + OptionText(option) + ']';
    }
    return line;
}

std::string ToolUsage()
{
    return Translated("Usage: ") + std::string(kProgramName)
        + " [-C DIR] [--prefix PATH] COMMAND [ARGUMENTS]\n";
}

void WriteToolHelp(std::ostream& out)
{
    out << ToolUsage() << '\n'
        << Translated("Edits and publishes the Custom Combat profiles (.wst files) of Battlefield\n"
                      "Vietnam in the current folder, with the same rules as the Quavel window.\n\n"
                      "Commands:\n");
    for (const CommandSpec& command : Commands())
        out << "  " << command.name << std::string(10 - command.name.size(), ' ')
            << Translated(command.summary.data()) << '\n';
    out << '\n'
        << Formatted(
               Translated("Run \"%s help COMMAND\" or \"%s COMMAND --help\" for a command's help.\n"
                          "Options: --help, --version.\n"
                          "Options before the command:\n"),
               {kProgramName, kProgramName});
    TextTable options;
    for (std::vector<std::string>& row : GlobalOptions::HelpRows())
        options.AddRow(std::move(row));
    options.Write(out);
    out << Translated("Exit status: 0 done, 1 failed, 2 wrong command line.\n");
}

void WriteCommandHelp(const CommandSpec& command, std::ostream& out, std::size_t width)
{
    out << Translated("Usage: ") << UsageLine(command) << "\n\n"
        << WrapLines(command.details(), width);
    if (command.options.empty())
        return;
    out << Translated("Options:\n");
    TextTable options;
    for (const OptionSpec& option : command.options)
        options.AddRow({"  " + OptionText(option), Translated(option.help.data())});
    options.Write(out);
}

void WriteHelpHint(const CommandSpec* command, std::ostream& err)
{
    const std::string help = std::string(kProgramName) + " help"
        + (command != nullptr ? ' ' + std::string(command->name) : std::string());
    err << Formatted(Translated("Run \"%s\" for help.\n"), {help});
}

void WriteUsageError(const ParsedCommandLine& parsed, const Console& console)
{
    console.Error(parsed.error);
    if (parsed.invocation.command != nullptr)
        console.err << Translated("Usage: ") << UsageLine(*parsed.invocation.command) << '\n';
    WriteHelpHint(parsed.invocation.command, console.err);
}

// JSON and KEY=VALUE lines, which scripts read: their words, and the messages
// beside them, stay English in every language.
bool ForScripts(const Invocation& invocation)
{
    const std::optional<std::string> format = invocation.Value("--format");
    return invocation.Has("--json") || (format && *format != "table" && *format != "text");
}

// A command that finds its arguments wrong has said why; the hint follows.
// Files that an interrupted save had left half-written and that the command
// restored are told once.
ExitStatus RunCommand(const Invocation& invocation, Console& console)
{
    std::optional<EnglishTexts> english;
    if (ForScripts(invocation))
        english.emplace();
    const ExitStatus status = invocation.command->run(invocation, console);
    for (const std::filesystem::path& file : TakeRestoredFiles())
        console.Error(Messages::RestoredFromCopy(file.string()));
    if (status == ExitStatus::UsageError)
        WriteHelpHint(invocation.command, console.err);
    return status;
}

}  // namespace

ExitStatus RunCli(const std::vector<std::string>& arguments, Console& console)
{
    const std::variant<GlobalOptions, std::string> read = GlobalOptions::Read(arguments);
    if (const std::string* error = std::get_if<std::string>(&read)) {
        WriteUsageError({Request::UsageError, {}, *error}, console);
        return ExitStatus::UsageError;
    }
    const GlobalOptions& global = std::get<GlobalOptions>(read);
    if (const std::optional<std::string> problem = global.EnterDirectory()) {
        console.Error(*problem);
        return ExitStatus::Failed;
    }
    ParsedCommandLine parsed
        = ParseCommandLine(std::span(arguments).subspan(global.argumentsRead), Commands());
    parsed.invocation.onlyPrefix = global.prefix;
    switch (parsed.request) {
    case Request::Run:
        return RunCommand(parsed.invocation, console);
    case Request::ToolHelp:
        WriteToolHelp(console.out);
        return ExitStatus::Success;
    case Request::CommandHelp:
        WriteCommandHelp(*parsed.invocation.command, console.out, console.width);
        return ExitStatus::Success;
    case Request::Version:
        console.out << kProgramName << ' ' << QUAVEL_VERSION << '\n'
                    << QUAVEL_COPYRIGHT << '\n'
                    << QUAVEL_LICENSE << '\n';
        return ExitStatus::Success;
    case Request::Usage:
        console.err << ToolUsage();
        WriteHelpHint(nullptr, console.err);
        return ExitStatus::UsageError;
    case Request::UsageError:
        WriteUsageError(parsed, console);
        return ExitStatus::UsageError;
    }
    return ExitStatus::UsageError;
}
