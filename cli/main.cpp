#include "cli/Cli.h"
#include "cli/TextWrap.h"
#include "session/Messages.h"
#include "text/Translated.h"
#include "text/UserLanguage.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>

int main(int argc, char* argv[])
{
    // A file-size limit then fails the write that reaches it, which is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    UserLanguage::Start(TextEncoding::Terminal);
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        Console console{std::cout, std::cerr, std::cin, OutputWidth()};
        const ExitStatus status = RunCli(arguments, console);
        // Output that did not arrive (a full disk, say) is a failure too.
        if (!std::cout.flush()) {
            std::cerr << "quavel-cli: " << Translated("could not write the output: ")
                      << std::strerror(errno) << '\n';
            return static_cast<int>(ExitStatus::Failed);
        }
        return static_cast<int>(status);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "quavel-cli: %s\n", Messages::kOutOfMemory.c_str());
        return static_cast<int>(ExitStatus::Failed);
    }
}
