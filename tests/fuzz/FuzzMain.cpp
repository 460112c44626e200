// The libFuzzer entry of one fuzz program; the build names its target in
// KW_FUZZ_ENTRY.
#include "tests/fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::KW_FUZZ_ENTRY(data, size);
}
