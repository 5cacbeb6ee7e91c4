// Mirel.DLL's exports as the program calls them: strings made in the library and freed in the
// program, the formats the program uses, the installation directory, and the record's layout as
// the library sees it.
#include "base/PathText.h"
#include "support/Mirel.h"
#include "support/RecordFields.h"
#include "tests/common/StoreKit.h"

#include <gtest/gtest.h>

#include <string>

TEST(MirelExportsTest, StrFormatHandlesTheProgramsFormats)
{
    EXPECT_STREQ("-2147483648", StrFormat("%d", INT_MIN));
    EXPECT_STREQ("0", StrFormat("%d", 0));
    EXPECT_STREQ("C:\\表\\Mirel.DLL", StrFormat("%s\\%s", "C:\\表", "Mirel.DLL"));
    EXPECT_STREQ("C:\\ソフト\\*.*", StrFormat("%s\\*.*", "C:\\ソフト"));
    EXPECT_STREQ("C:\\デスクトップ\\ミレル環境設定(アンインストールもこちらから).lnk",
                 StrFormat("%s\\%s.lnk", "C:\\デスクトップ",
                           "ミレル環境設定(アンインストールもこちらから)"));
}

TEST(MirelExportsTest, StringsCrossTheLibraryBoundaryBothWays)
{
    // Made by the library, grown and freed by the program: both use the one C runtime heap.
    for (int i = 0; i < 1000; ++i) {
        CString text = StrFormat("%s\\%s", static_cast<const char*>(GetMirelDir()), "x");
        text += "y";
        CString copy = text;
        copy += "z";
        ASSERT_EQ(text.GetLength() + 1, copy.GetLength());
    }
    // Made by the program, replaced by the library inside the record.
    CommonData data;
    data.strHighLight = "プログラムの文字列";
    storekit::DeleteStore();
    storekit::SetString(kHighLightValueName, "ライブラリの文字列");
    LoadCommonData(&data);
    EXPECT_STREQ("ライブラリの文字列", data.strHighLight);
}

TEST(MirelExportsTest, InstallationDirectoryIsAbsoluteAndOfItsOwn)
{
    const CString directory = GetMirelDir();
    EXPECT_TRUE(IsAbsolutePath(directory)) << static_cast<const char*>(directory);
    EXPECT_FALSE(EndsWithBackslash(directory));
    const std::string text(directory);
    EXPECT_EQ("\\Mirel", text.substr(text.size() - 6));
    EXPECT_EQ(GetMirelDir(), static_cast<const char*>(directory));  // the same on every call
}

TEST(MirelExportsTest, LibraryWritesEveryFieldWhereTheProgramKeepsIt)
{
    // Each field holds its own value; reading the store by name proves that the library found
    // each field at the offset where this program put it.
    CommonData data = storekit::DistinctRecord(1000);
    data.strHighLight = "a\r\nb";
    storekit::DeleteStore();
    ASSERT_TRUE(SaveCommonData(&data));
    std::string differs;
    EXPECT_TRUE(storekit::SameRecord(data, storekit::ReadStore(), &differs)) << differs;

    CommonData loaded;
    ASSERT_TRUE(LoadCommonData(&loaded));
    EXPECT_TRUE(storekit::SameRecord(data, loaded, &differs)) << differs;
}
