// libFuzzer entry point: every input goes through CheckDocumentRoundTrip, and a
// broken promise stops the run with the input saved as a crash file.

#include "fuzz/DocumentRoundTrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = CheckDocumentRoundTrip({reinterpret_cast<const char*>(data), size});
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
