// The fuzz targets: each checks a platform-free unit against an oracle that shares none of its
// code. libFuzzer calls them (FuzzMain.cpp, built by tools/fuzz); the native tests run them over a
// fixed set of pseudo-random inputs (tests/native/FuzzTargets_test.cpp).
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <memory>
#include <string>

void FuzzNumberField(const uint8_t* data, size_t size);
void FuzzHighLightText(const uint8_t* data, size_t size);
void FuzzCString(const uint8_t* data, size_t size);

// A property that does not hold. The fuzzing build aborts, so libFuzzer keeps the input; the
// native tests throw, and report the input.
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzCheckFailed(#condition, __FILE__, __LINE__);                                       \
    } while (0)

// Bytes taken by the character at text[at] by code page 932's definition, not the product's
// helper: a lead byte with a byte after it makes a pair, any other byte stands alone.
inline size_t CharLengthAt(const std::string& text, size_t at)
{
    const unsigned char c = static_cast<unsigned char>(text[at]);
    const bool lead = (0x81 <= c && c <= 0x9F) || (0xE0 <= c && c <= 0xFC);
    return lead && at + 1 < text.size() ? 2 : 1;
}

// The input up to its first zero byte, in a block of exactly that length and the terminator, so
// the address sanitizer sees any read past the end.
inline std::unique_ptr<char[]> ExactText(const uint8_t* data, size_t size)
{
    const size_t length = strnlen(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<char[]> text(new char[length + 1]);
    memcpy(text.get(), data, length);
    text[length] = '\0';
    return text;
}
