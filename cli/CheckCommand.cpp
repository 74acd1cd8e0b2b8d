#include "cli/CheckCommand.h"

#include "session/ProfileCheck.h"

#include <sstream>
#include <string>

ExitStatus RunCheck(const Invocation& invocation, Console& console)
{
    bool allLoad = true;
    for (const std::string& file : invocation.arguments) {
        if (const std::optional<std::string> problem = ProfileFileProblem(file)) {
            console.out.flush();
            // Each line of the reason on its own, so that grep finds them all.
            std::istringstream lines(*problem);
            for (std::string line; std::getline(lines, line);)
                console.err << file << ": " << line << '\n';
            allLoad = false;
        } else {
            console.out << file << ": OK\n";
        }
    }
    return allLoad ? ExitStatus::Success : ExitStatus::Failed;
}
