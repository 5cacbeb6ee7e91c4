// The installation directory is built under an absolute Program Files folder only.
#include "support/InstallDir.h"

#include <gtest/gtest.h>

TEST(InstallDirTest, JoinsWithOneSeparatorAndRefusesRelativeFolders)
{
    EXPECT_STREQ("C:\\Program Files\\Mirel", InstallationDirectoryUnder("C:\\Program Files"));
    EXPECT_STREQ("D:\\Mirel", InstallationDirectoryUnder("D:\\"));
    EXPECT_STREQ("C:\\プログラム\\Mirel", InstallationDirectoryUnder("C:\\プログラム\\"));
    // "表" ends in 0x5C but is no separator: one must still be added.
    EXPECT_STREQ("C:\\表\\Mirel", InstallationDirectoryUnder("C:\\表"));
    EXPECT_STREQ("", InstallationDirectoryUnder("Program Files"));
    EXPECT_STREQ("", InstallationDirectoryUnder(""));
    EXPECT_STREQ("", InstallationDirectoryUnder(nullptr));
}
