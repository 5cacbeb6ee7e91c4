// The store's table of fields covers every integer of the record exactly once.
#include "support/CommonData.h"
#include "support/RecordFields.h"

#include <gtest/gtest.h>

#include <string.h>

TEST(RecordFieldsTest, EveryIntegerFieldOnce)
{
    // The record's integers are all that come before its string. With as many entries as
    // integers, an integer the table leaves at 0 means one is missing and another doubled.
    const size_t integers = offsetof(CommonData, strHighLight) / sizeof(int);
    ASSERT_EQ(integers, kIntegerFieldCount);
    CommonData data;
    for (size_t i = 0; i < kIntegerFieldCount; ++i)
        data.*kIntegerFields[i].member = 1;
    for (size_t i = 0; i < integers; ++i) {
        int value = 0;
        memcpy(&value, reinterpret_cast<const char*>(&data) + i * sizeof(int), sizeof(int));
        EXPECT_EQ(1, value) << "integer " << i << " is not in the table";
    }
}
