// Reading path text: trailing separators and absolute paths in code page 932.
#include "base/PathText.h"

#include <gtest/gtest.h>

TEST(PathTextTest, TrailingBackslashIsAWholeCharacter)
{
    EXPECT_TRUE(EndsWithBackslash("C:\\"));
    EXPECT_TRUE(EndsWithBackslash("C:\\表\\"));
    EXPECT_FALSE(EndsWithBackslash("C:\\表"));  // ends in 0x5C, the trail byte of "表"
    EXPECT_FALSE(EndsWithBackslash(""));
}

TEST(PathTextTest, AbsoluteMeansDriveRootOrServerShare)
{
    EXPECT_TRUE(IsAbsolutePath("C:\\Program Files"));
    EXPECT_TRUE(IsAbsolutePath("z:\\"));
    EXPECT_TRUE(IsAbsolutePath("\\\\server\\share\\dir"));
    EXPECT_FALSE(IsAbsolutePath(""));
    EXPECT_FALSE(IsAbsolutePath("C:relative"));
    EXPECT_FALSE(IsAbsolutePath("Program Files"));
    EXPECT_FALSE(IsAbsolutePath("\\rooted-but-no-drive"));
    EXPECT_FALSE(IsAbsolutePath("\\\\server"));
    EXPECT_FALSE(IsAbsolutePath("\\\\server\\"));
    EXPECT_FALSE(IsAbsolutePath("\\\\表"));  // no separator: the 0x5C inside "表" is not one
    EXPECT_FALSE(IsAbsolutePath("1:\\x"));
}
