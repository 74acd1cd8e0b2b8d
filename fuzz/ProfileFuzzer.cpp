// libFuzzer entry point of the profile fuzzer.

#include "fuzz/DocumentRoundTrip.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return RunFuzzCheck(CheckDocumentRoundTrip, data, size);
}
