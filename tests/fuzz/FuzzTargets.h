// The fuzz targets: one entry point per platform-free unit, each checking properties of its
// results against a plain reference. libFuzzer calls them (FuzzMain.cpp, built by tools/fuzz),
// and the native tests replay saved inputs through the same functions.
#pragma once

#include <stddef.h>
#include <stdint.h>

void FuzzNumberField(const uint8_t* data, size_t size);
void FuzzHighLightText(const uint8_t* data, size_t size);
void FuzzMbcsText(const uint8_t* data, size_t size);
void FuzzDialogInitData(const uint8_t* data, size_t size);
void FuzzCString(const uint8_t* data, size_t size);
void FuzzSetupPaths(const uint8_t* data, size_t size);

struct FuzzTarget
{
    const char* name;  // also the folder of its seeds and saved regressions
    void (*run)(const uint8_t* data, size_t size);
};

extern const FuzzTarget kFuzzTargets[];
extern const size_t kFuzzTargetCount;

// A property that does not hold. The fuzzing build aborts, so libFuzzer keeps the input; the
// replaying test reports a failure naming the input.
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzCheckFailed(#condition, __FILE__, __LINE__);                                       \
    } while (0)
