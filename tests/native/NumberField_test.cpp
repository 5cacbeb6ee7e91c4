// Reading a threshold field: atol's rules over ASCII only, saturating at the 32-bit bounds.
#include "sheet/NumberField.h"

#include <gtest/gtest.h>

#include <stdint.h>

TEST(NumberFieldTest, ReadsTheLeadingNumberAsAtolWouldOverAsciiOnly)
{
    const struct
    {
        const char* text;
        int expected;
    } cases[] = {
        {"12", 12},  {"-1", -1},  // the "%d" text of a stored -1 reads back as -1
        {"0", 0},    {"007", 7}, {"+7", 7},  {"12abc", 12},  {"12 34", 12},       {"3.9", 3},
        {"abc", 0},  {"", 0},    {"   ", 0}, {"  -42", -42}, {"\t\r\n\v\f 5", 5}, {"-", 0},
        {"+-3", 0},   // one sign only
        {"- 3", 0},   // nothing between the sign and the digits
        {"１２", 0},  // full-width digits are not digits
        {"　12", 0},  // nor is the ideographic space white space
        {"1２", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ReadNumberField(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0, ReadNumberField(nullptr));
}

TEST(NumberFieldTest, NumbersBeyondThe32BitRangeReadAsTheNearestBound)
{
    const struct
    {
        const char* text;
        int expected;
    } cases[] = {
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX},
        {"99999999999", INT32_MAX},
        {"+4294967297", INT32_MAX},  // would wrap to 1 in 32 bits
        {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MIN},
        {"-99999999999999999999999999", INT32_MIN},
        {"  12345678901234567890xyz", INT32_MAX},
        {"000000000000000000000000042", 42},  // many digits, small value
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ReadNumberField(c.text)) << '"' << c.text << '"';
}
