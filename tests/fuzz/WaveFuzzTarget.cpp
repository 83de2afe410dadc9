#include "WaveFuzzHarness.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string fault = ReplayWaveInput(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "wave fuzz: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
