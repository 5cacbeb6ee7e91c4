// Reading the whole number a user typed into one of the Filter 1 page's threshold fields.
#include "sheet/NumberField.h"

#include <stdint.h>

namespace {

// The white space of the C runtime's "C" locale; never a byte of a double-byte character.
bool IsAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

int ReadNumberField(const char* text)
{
    if (text == nullptr)
        return 0;
    const char* p = text;
    while (IsAsciiSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';

    // The magnitude stops growing once it passes the largest one a result can hold, so any
    // number of digits is read without overflow.
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    int64_t magnitude = 0;
    for (; IsAsciiDigit(*p); ++p) {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (*p - '0');
    }
    if (magnitude > limit)
        magnitude = limit;
    return static_cast<int>(negative ? -magnitude : magnitude);
}
