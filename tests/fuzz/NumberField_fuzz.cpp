// Number reading against the C library: strtoll reads what atol reads (the "C" locale's white
// space, one sign, ASCII digits) and saturates at the 64-bit bounds, which lie beyond the 32-bit
// ones the field clamps to.
#include "sheet/NumberField.h"
#include "tests/fuzz/FuzzTargets.h"

#include <stdlib.h>

void FuzzNumberField(const uint8_t* data, size_t size)
{
    const std::unique_ptr<char[]> text = ExactText(data, size);
    const long long read = strtoll(text.get(), nullptr, 10);
    const long long clamped = read > INT32_MAX ? INT32_MAX : read < INT32_MIN ? INT32_MIN : read;
    FUZZ_CHECK(ReadNumberField(text.get()) == clamped);
}
