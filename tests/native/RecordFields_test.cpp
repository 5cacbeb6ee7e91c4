// The store's field table covers every integer field of the record exactly once.
#include "support/CommonData.h"
#include "support/RecordFields.h"

#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <string>

TEST(RecordFieldsTest, EveryIntegerFieldOnceWithAUniqueName)
{
    // Numbered through the table, the record's integers (all that come before its string) must
    // each receive their own number: a field missing from the table stays 0, a doubled one
    // loses its first number.
    CommonData data;
    std::set<std::string> names = {kHighLightValueName};
    for (size_t i = 0; i < kIntegerFieldCount; ++i) {
        data.*kIntegerFields[i].member = static_cast<int>(i) + 1;
        names.insert(kIntegerFields[i].name);
    }
    const size_t integerCount = offsetof(CommonData, strHighLight) / sizeof(int);
    ASSERT_EQ(integerCount, kIntegerFieldCount);
    std::set<int> numbers;
    for (size_t i = 0; i < integerCount; ++i) {
        int value = 0;
        memcpy(&value, reinterpret_cast<const char*>(&data) + i * sizeof(int), sizeof(int));
        numbers.insert(value);
    }
    EXPECT_EQ(integerCount, numbers.size());
    EXPECT_EQ(0u, numbers.count(0));
    EXPECT_EQ(kIntegerFieldCount + 1, names.size());
}
