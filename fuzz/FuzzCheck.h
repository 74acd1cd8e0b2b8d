#pragma once

// What every libFuzzer entry point does with its input: run the check, and on
// a broken promise say which and abort, so that libFuzzer saves the input as
// a crash file.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

inline int RunFuzzCheck(
    std::string (*check)(std::string_view), const std::uint8_t* data, std::size_t size)
{
    const std::string broken = check({reinterpret_cast<const char*>(data), size});
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
