// Double-byte-aware searching and name comparison in code page 932.
#include "base/Mbcs.h"

#include <gtest/gtest.h>

TEST(MbcsTest, FindLastAndFirstCharSkipTrailBytes)
{
    EXPECT_EQ(-1, FindLastChar("表", '\\'));
    // "C:\表示\ソフト\x": "表" and "ソ" end in 0x5C; the last separator is at byte 14.
    EXPECT_EQ(14, FindLastChar("C:\\表示\\ソフト\\x", '\\'));
    EXPECT_EQ(2, FindFirstChar("C:\\表", '\\'));
    EXPECT_EQ(-1, FindFirstChar("能", '\\'));
    // A lead byte right before the terminator stands alone and ends the text.
    EXPECT_EQ(-1, FindLastChar("\x95", '\\'));
}

TEST(MbcsTest, NamesCompareIgnoringAsciiCaseOnly)
{
    EXPECT_EQ(0, CompareNamesIgnoreCase("installer.exe", "INSTALLER.EXE"));
    EXPECT_EQ(0, CompareNamesIgnoreCase("Installer.Exe", "installer.exe"));
    EXPECT_NE(0, CompareNamesIgnoreCase("installer.exe.bak", "installer.exe"));
    EXPECT_NE(0, CompareNamesIgnoreCase("installer.ex", "installer.exe"));
    EXPECT_LT(CompareNamesIgnoreCase("a", "b"), 0);
    // "ア" is 0x83 0x41 and "ヂ" is 0x83 0x61: a byte-wise fold would call them equal.
    EXPECT_NE(0, CompareNamesIgnoreCase("ア", "ヂ"));
    EXPECT_EQ(0, CompareNamesIgnoreCase("ミレル.DLL", "ミレル.dll"));
}
