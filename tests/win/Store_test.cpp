// Mirel.DLL's settings store on the real registry, with damaged values and texts beyond any
// buffer. (The settings cycle's tests store and load whole records.)
#include "support/Mirel.h"
#include "tests/common/StoreKit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override { storekit::DeleteStore(); }
    void TearDown() override { storekit::DeleteStore(); }
};

}  // namespace

TEST_F(StoreTest, FieldsTheStoreLacksOrHoldsDamagedKeepTheCallersValues)
{
    CommonData expected = storekit::DistinctRecord(50);
    expected.strHighLight = "caller's";
    CommonData data = expected;
    EXPECT_FALSE(LoadCommonData(&data));  // no store at all
    EXPECT_EQ("", storekit::RecordDifference(expected, data));

    const DWORD four = 4;
    const unsigned char eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const struct
    {
        const char* name;
        DWORD type;
        const void* data;
        DWORD size;
    } damaged[] = {
        {"nDispPos", REG_SZ, "1", 2},
        {"nRating", REG_BINARY, &four, sizeof(four)},
        {"nSelfIntro", REG_QWORD, eight, sizeof(eight)},
        {"bYellowCount", REG_DWORD, eight, 2},
        {"nRedRate", REG_DWORD_BIG_ENDIAN, &four, sizeof(four)},
        {"strHighLight", REG_MULTI_SZ, "abc\0", 5},
        {"nYellowCount", REG_DWORD, &four, sizeof(four)},  // the one sound value
    };
    for (const auto& value : damaged)
        storekit::SetRaw(value.name, value.type, value.data, value.size);
    ASSERT_TRUE(LoadCommonData(&data));
    expected.nYellowCount = 4;
    EXPECT_EQ("", storekit::RecordDifference(expected, data));

    storekit::SetRaw("strHighLight", REG_SZ, "abc", 3);  // without its terminator
    ASSERT_TRUE(LoadCommonData(&data));
    EXPECT_STREQ("abc", data.strHighLight);
    data.strHighLight = (std::string(100000, 'x') + "表").c_str();  // beyond any buffer
    ASSERT_TRUE(SaveCommonData(&data));
    CommonData loaded;
    ASSERT_TRUE(LoadCommonData(&loaded));
    EXPECT_EQ("", storekit::RecordDifference(data, loaded));
}
