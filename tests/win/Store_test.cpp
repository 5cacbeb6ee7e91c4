// Mirel.DLL's exports as the program calls them: the settings store on the real registry with
// damaged values, strings that cross between library and program, the formats the program uses,
// and the installation directory. (The settings cycle's tests store and load whole records.)
#include "base/PathText.h"
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
    EXPECT_TRUE(storekit::SameRecord(expected, data));

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
    EXPECT_TRUE(storekit::SameRecord(expected, data));

    storekit::SetRaw("strHighLight", REG_SZ, "abc", 3);  // without its terminator
    ASSERT_TRUE(LoadCommonData(&data));
    EXPECT_STREQ("abc", data.strHighLight);
    data.strHighLight = (std::string(100000, 'x') + "表").c_str();  // beyond any buffer
    ASSERT_TRUE(SaveCommonData(&data));
    CommonData loaded;
    ASSERT_TRUE(LoadCommonData(&loaded));
    EXPECT_TRUE(storekit::SameRecord(data, loaded));
}

TEST(ExportsTest, FormatsAndTheInstallationDirectoryAsTheProgramUsesThem)
{
    EXPECT_STREQ("-2147483648", StrFormat("%d", INT_MIN));
    EXPECT_STREQ("C:\\表\\ミレル環境設定(アンインストールもこちらから).lnk",
                 StrFormat("%s\\%s.lnk", "C:\\表", "ミレル環境設定(アンインストールもこちらから)"));
    // Made by the library, grown and freed by the program: both use the one C runtime heap.
    CString directory = GetMirelDir();
    EXPECT_TRUE(IsAbsolutePath(directory));
    directory += "\\x";
    const std::string text(directory);
    EXPECT_EQ("\\Mirel\\x", text.substr(text.size() - 8));
}
