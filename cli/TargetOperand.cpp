#include "cli/TargetOperand.h"

#include "cli/ServerOperand.h"
#include "cli/TerminalSession.h"
#include "installs/InstallFinder.h"
#include "session/InstallChoices.h"
#include "text/Formatted.h"
#include "text/Translated.h"

namespace {

constexpr char kTargetMark = '@';

}  // namespace

std::optional<PublishDestination> InstallDestination(
    const InstallKind& kind, const Invocation& invocation, Console& console)
{
    InstallChoices choices(SearchOfProcess(invocation.onlyPrefix));
    const ProductInstalls& installs = choices.Find().Of(kind.product);
    if (installs.InUse() == nullptr) {
        console.Error(Formatted(Translated("%s install not found: %s."),
            {kind.caption, DescribeProblem(installs.problem, installs.problemDetail)}));
        return std::nullopt;
    }
    ConsoleDialogs dialogs(console);
    return PrepareInstallDestination(kind, *installs.InUse(), FolderCreation::LookOnly, dialogs);
}

bool IsTargetOperand(std::string_view operand)
{
    return operand.starts_with(kTargetMark);
}

std::optional<PublishDestination> FindTargetDestination(
    std::string_view operand, const Invocation& invocation, Console& console)
{
    const std::string_view name = operand.substr(1);
    if (name.starts_with(kServerPrefix))
        return NamedServer(name.substr(kServerPrefix.size()), console);
    const PublishTargetEntry* target = FindPublishTarget(name);
    if (target == nullptr || target->installs.size() > 1) {
        console.Error(Formatted(
            Translated("unknown target \"%s\". Valid targets: @server, @game, @cwd, @server:NAME."),
            {operand}));
        return std::nullopt;
    }
    if (target->installs.empty())
        return WorkingFolderDestination();
    return InstallDestination(target->installs.front(), invocation, console);
}
