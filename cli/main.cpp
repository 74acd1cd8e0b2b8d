#include "cli/Cli.h"

#include <iostream>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    Console console{std::cout, std::cerr};
    return static_cast<int>(RunCli(arguments, console));
}
