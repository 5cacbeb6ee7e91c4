// The store's field table covers every integer field of the record exactly once.
#include "CommonData.h"
#include "RecordFields.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

TEST(RecordFieldsTest, EveryIntegerFieldOnceWithAUniqueName)
{
    std::set<size_t> offsets;
    std::set<std::string> names;
    for (size_t i = 0; i < kIntegerFieldCount; ++i) {
        offsets.insert(kIntegerFields[i].offset);
        names.insert(kIntegerFields[i].name);
    }
    names.insert(kHighLightValueName);
    // The integers fill the record up to its string, one int apart.
    const size_t integerCount = offsetof(CommonData, strHighLight) / sizeof(int);
    EXPECT_EQ(integerCount, kIntegerFieldCount);
    EXPECT_EQ(integerCount, offsets.size());
    EXPECT_EQ(0u, *offsets.begin());
    EXPECT_EQ(offsetof(CommonData, nQuestions), *offsets.rbegin());
    EXPECT_EQ(kIntegerFieldCount + 1, names.size());
}

TEST(RecordFieldsTest, NamesMatchTheirFields)
{
    std::map<std::string, size_t> offsetByName;
    for (size_t i = 0; i < kIntegerFieldCount; ++i)
        offsetByName[kIntegerFields[i].name] = kIntegerFields[i].offset;
    // Checks at both ends and in the middle guard against a shifted table.
    EXPECT_EQ(offsetof(CommonData, nDispPos), offsetByName["nDispPos"]);
    EXPECT_EQ(offsetof(CommonData, nPayCOD), offsetByName["nPayCOD"]);
    EXPECT_EQ(offsetof(CommonData, nReserved9), offsetByName["nReserved9"]);
    EXPECT_EQ(offsetof(CommonData, nQuestions), offsetByName["nQuestions"]);
}
