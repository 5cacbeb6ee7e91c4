// ReadNumberField against the C library's own reading with 64-bit arithmetic, clamped to 32 bits.
#include "FuzzTargets.h"
#include "Reference.h"
#include "sheet/NumberField.h"

#include <stdint.h>
#include <stdlib.h>

namespace {

// strtoll reads what atol reads (white space of the "C" locale, one sign, decimal digits) and
// saturates at the 64-bit bounds, which lie beyond the 32-bit ones.
int64_t ReferenceNumber(const char* text)
{
    const long long value = strtoll(text, nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return value;
}

}  // namespace

void FuzzNumberField(const uint8_t* data, size_t size)
{
    const std::string text =
        reference::AsCString(std::string(reinterpret_cast<const char*>(data), size));
    const reference::ExactText exact(text);
    FUZZ_CHECK(ReadNumberField(exact.Get()) == ReferenceNumber(exact.Get()));
}
