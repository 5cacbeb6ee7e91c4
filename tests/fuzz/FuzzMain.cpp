// libFuzzer's entry point for one target, chosen when it is compiled (MIREL_FUZZ_TARGET).
#include "tests/fuzz/FuzzTargets.h"

#include <stdio.h>
#include <stdlib.h>

void FuzzCheckFailed(const char* condition, const char* file, int line)
{
    fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, condition);
    abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MIREL_FUZZ_TARGET(data, size);
    return 0;
}
