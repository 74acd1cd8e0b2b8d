#include "ToolProcess.h"

#include "TemporaryFolder.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace {

constexpr int kExecFailed = 127;

[[noreturn]] void RunChild(const std::filesystem::path& workingFolder,
    const std::vector<std::string>& arguments, const EnvironmentChanges& environment,
    const std::filesystem::path& outFile, const std::filesystem::path& errFile)
{
    for (const auto& [name, value] : environment) {
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
    const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || ::dup2(out, STDOUT_FILENO) < 0 || ::dup2(err, STDERR_FILENO) < 0
        || ::chdir(workingFolder.c_str()) != 0)
        ::_exit(kExecFailed);
    std::vector<char*> argv{const_cast<char*>(QUAVEL_CLI_PATH)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(QUAVEL_CLI_PATH, argv.data());
    ::_exit(kExecFailed);
}

}  // namespace

ToolResult RunTool(const std::filesystem::path& workingFolder,
    const std::vector<std::string>& arguments, const EnvironmentChanges& environment)
{
    const TemporaryFolder output;
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0)
        RunChild(workingFolder, arguments, environment, output / "out", output / "err");
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        throw std::runtime_error("quavel-cli did not exit normally");
    return {WEXITSTATUS(status), output.Read("out"), output.Read("err")};
}
