// CString: copying, the double-byte-aware Left and ReverseFind, formatting, buffers.
#include "base/String.h"

#include <gtest/gtest.h>

#include <string>

TEST(CStringTest, CopiesAreIndependentAndEmptyIsShared)
{
    CString a("abc");
    CString b(a);
    b += "def";
    EXPECT_STREQ("abc", a);
    EXPECT_STREQ("abcdef", b);
    a = a;  // self-assignment keeps the text
    EXPECT_STREQ("abc", a);
    a = static_cast<const char*>(a) + 1;  // assigning from its own text
    EXPECT_STREQ("bc", a);
    a.Empty();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(sizeof(void*), sizeof(CString));
}

TEST(CStringTest, LeftNeverSplitsADoubleByteCharacter)
{
    const CString text("a表b");  // "表" is 0x95 0x5C
    EXPECT_STREQ("a", text.Left(2));
    EXPECT_STREQ("a表", text.Left(3));
    EXPECT_STREQ("", text.Left(-1));
    EXPECT_STREQ("a表b", text.Left(99));
}

TEST(CStringTest, ReverseFindSkipsTrailBytes)
{
    EXPECT_EQ(2, CString("C:\\表").ReverseFind('\\'));  // the 0x5C inside "表" is not found
    EXPECT_EQ(-1, CString("表").ReverseFind('\\'));
    EXPECT_EQ(4, CString("a\\b\\\\").ReverseFind('\\'));
}

TEST(CStringTest, FormatHandlesLongAndEmptyResults)
{
    CString text;
    text.Format("%d", -42);
    EXPECT_STREQ("-42", text);
    text.Format("%s\\%s", "C:\\dir", "file");
    EXPECT_STREQ("C:\\dir\\file", text);
    const std::string longText(10000, 'x');
    text.Format("%s!", longText.c_str());
    EXPECT_EQ(10001, text.GetLength());
    text.Format("%s", "");
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CStringTest, BufferRoundTrip)
{
    CString text("ab");
    char* buffer = text.GetBuffer(10);
    EXPECT_STREQ("ab", buffer);
    buffer[2] = 'c';
    buffer[3] = '\0';
    text.ReleaseBuffer();
    EXPECT_STREQ("abc", text);
    EXPECT_EQ(3, text.GetLength());
    text.GetBuffer(5)[1] = '\0';
    text.ReleaseBuffer(1);
    EXPECT_EQ(1, text.GetLength());
    // An empty string asked for no room still takes the terminator a filling API writes.
    CString empty;
    empty.GetBuffer(0)[0] = '\0';
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}
