// libFuzzer entry point of the registry fuzzer.

#include "fuzz/FuzzCheck.h"
#include "fuzz/RegistryRead.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return RunFuzzCheck(CheckRegistryRead, data, size);
}
