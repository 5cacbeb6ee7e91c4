// The settings store on the real registry: round trips, partial and damaged stores, and a store
// that cannot be written.
#include "framework/ScopedHandles.h"
#include "support/Mirel.h"
#include "support/RecordFields.h"
#include "support/SettingsStore.h"
#include "tests/common/StoreKit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { storekit::DeleteStore(); }
    void TearDown() override { storekit::DeleteStore(); }
};

}  // namespace

TEST_F(SettingsStoreTest, HighlightTextRoundTripsInCodePage932)
{
    const std::string texts[] = {
        "",
        "表示\r\nソフト\r\n能力",           // trail bytes 0x5C
        "全角　空白\r\n　\r\n",             // 0x81 0x40
        std::string(100000, 'x') + "末尾",  // far beyond any buffer of the program
        "\\\\server\\share %d %s",
    };
    for (const std::string& text : texts) {
        CommonData saved;
        saved.strHighLight = text.c_str();
        ASSERT_TRUE(SaveCommonData(&saved));
        CommonData loaded;
        loaded.strHighLight = "before";
        ASSERT_TRUE(LoadCommonData(&loaded));
        EXPECT_EQ(text, static_cast<const char*>(loaded.strHighLight));
    }
}

TEST_F(SettingsStoreTest, AbsentStoreLeavesTheRecordAsItWas)
{
    CommonData data = storekit::DistinctRecord(7);
    data.strHighLight = "kept";
    EXPECT_FALSE(LoadCommonData(&data));
    std::string differs;
    CommonData expected = storekit::DistinctRecord(7);
    expected.strHighLight = "kept";
    EXPECT_TRUE(storekit::SameRecord(expected, data, &differs)) << differs;
}

TEST_F(SettingsStoreTest, PartialStoreFillsOnlyWhatItHolds)
{
    storekit::SetDword("nPayBank", 1);
    storekit::SetDword("nQuestions", 3);
    CommonData data;  // as the start-up routine hands it over: all zero, empty text
    ASSERT_TRUE(LoadCommonData(&data));
    CommonData expected;
    expected.nPayBank = 1;
    expected.nQuestions = 3;
    std::string differs;
    EXPECT_TRUE(storekit::SameRecord(expected, data, &differs)) << differs;
}

TEST_F(SettingsStoreTest, ValuesOfWrongTypeOrSizeAreIgnored)
{
    const DWORD four = 4;
    const unsigned char eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const unsigned char two[2] = {9, 9};
    storekit::SetRaw("nDispPos", REG_SZ, "1", 2);
    storekit::SetRaw("nRating", REG_BINARY, &four, sizeof(four));
    storekit::SetRaw("nSelfIntro", REG_QWORD, eight, sizeof(eight));
    storekit::SetRaw("bYellowCount", REG_DWORD, two, sizeof(two));
    storekit::SetRaw("bYellowRate", REG_DWORD, eight, sizeof(eight));
    storekit::SetRaw("nRedRate", REG_DWORD_BIG_ENDIAN, &four, sizeof(four));
    storekit::SetRaw("nYellowCount", REG_DWORD, &four, sizeof(four));  // the one sound value
    storekit::SetRaw(kHighLightValueName, REG_BINARY, "abc", 4);

    CommonData data = storekit::DistinctRecord(50);
    data.strHighLight = "caller's";
    ASSERT_TRUE(LoadCommonData(&data));
    CommonData expected = storekit::DistinctRecord(50);
    expected.strHighLight = "caller's";
    expected.nYellowCount = 4;
    std::string differs;
    EXPECT_TRUE(storekit::SameRecord(expected, data, &differs)) << differs;

    for (DWORD type : {DWORD(REG_EXPAND_SZ), DWORD(REG_MULTI_SZ), DWORD(REG_DWORD)}) {
        storekit::SetRaw(kHighLightValueName, type, "abc\0", 5);
        CommonData again;
        again.strHighLight = "caller's";
        LoadCommonData(&again);
        EXPECT_STREQ("caller's", again.strHighLight) << type;
    }
}

TEST_F(SettingsStoreTest, TextWithoutTerminatorIsReadWhole)
{
    storekit::SetRaw(kHighLightValueName, REG_SZ, "abc", 3);
    CommonData data;
    LoadCommonData(&data);
    EXPECT_STREQ("abc", data.strHighLight);
}

TEST_F(SettingsStoreTest, StoreThatCannotBeWrittenSaysSo)
{
    storekit::SetDword("nDispPos", 0);
    CScopedKey readOnly;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0,
                                             KEY_QUERY_VALUE, readOnly.Receive()));
    CommonData data;
    data.nDispPos = 1;
    EXPECT_FALSE(WriteSettings(readOnly.Get(), data));
    DWORD stored = 99;
    ASSERT_TRUE(storekit::GetDword("nDispPos", &stored));
    EXPECT_EQ(0u, stored);
}
