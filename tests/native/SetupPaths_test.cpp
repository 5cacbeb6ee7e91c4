// The setup's name and path decisions in code page 932: the program's own name, the shortcut's
// working directory, and which installation directories may be filled and emptied.
#include "setup/SetupPaths.h"

#include <gtest/gtest.h>

TEST(SetupPathsTest, ProgramNameIsTheLastWholeCharacterPart)
{
    const struct
    {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\dist\\installer.exe", "installer.exe"},
        {"C:\\表\\installer.exe", "installer.exe"},
        {"C:\\dist\\表", "表"},  // "表" ends in 0x5C and stays whole
        {"Z:/tmp/dist/INSTALLER.EXE", "INSTALLER.EXE"},
        {"installer.exe", "installer.exe"},
        {"C:\\dist\\", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.name, FileNameOfPath(c.path)) << c.path;
}

TEST(SetupPathsTest, OnlyInstallerExeInAnyCaseIsTheInstaller)
{
    for (const char* name : {"installer.exe", "INSTALLER.EXE", "Installer.Exe"})
        EXPECT_TRUE(IsInstallerName(name)) << name;
    for (const char* name :
         {"installer.exe.bak", "installer.ex", "xinstaller.exe", "installer", "MirelSetup.exe", ""})
        EXPECT_FALSE(IsInstallerName(name)) << name;
}

TEST(SetupPathsTest, WorkingDirectoryIsTheTargetUpToItsLastSeparator)
{
    const struct
    {
        const char* target;
        const char* directory;
    } cases[] = {
        {"C:\\Program Files\\Mirel\\MirelSetup.exe", "C:\\Program Files\\Mirel"},
        // A folder whose name ends in a character with trail byte 0x5C is not cut inside it.
        {"C:\\表\\MirelSetup.exe", "C:\\表"},
        {"C:\\ソフト表\\能", "C:\\ソフト表"},
        {"MirelSetup.exe", "MirelSetup.exe"},
        {"表", "表"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.directory, WorkingDirectoryOf(c.target)) << c.target;
}

TEST(SetupPathsTest, OnlyAFolderBelowARootIsUsableAsInstallationDirectory)
{
    for (const char* usable : {"C:\\Program Files\\Mirel", "C:\\Mirel", "D:\\表\\Mirel",
                               "C:\\プログラム表", "\\\\server\\share\\Mirel", "C:\\a.b\\.Mirel"})
        EXPECT_TRUE(IsUsableInstallationDirectory(usable)) << usable;
    for (const char* unusable :
         {"", "Mirel", "Program Files\\Mirel", "C:Mirel", "\\Mirel",   // not absolute
          "C:\\", "\\\\server\\share", "\\\\server\\share\\",          // a root
          "C:\\Program Files\\Mirel\\", "C:\\Program Files\\\\Mirel",  // an empty part
          "C:\\Program Files\\..", "C:\\.", "C:\\Mirel\\..\\..",       // climbs out
          "C:\\Program Files/../x", "C:\\Program Files\\...",
          "C:\\Program Files\\.. ",                                  // Windows drops the
          "C:\\Program Files\\Mirel.", "C:\\Program Files\\Mirel ",  // trailing dots, blanks
          "C:\\Mirel\xF3 "})  // a stray lead byte does not hide the blank Windows drops
        EXPECT_FALSE(IsUsableInstallationDirectory(unusable)) << unusable;
    EXPECT_FALSE(IsUsableInstallationDirectory(nullptr));
}

TEST(SetupPathsTest, OnlyANameThatStaysInItsFolderIsAnEntryName)
{
    for (const char* plain : {"readme.txt", ".mirelrc", "表示ソフト.txt", "能"})
        EXPECT_TRUE(IsPlainEntryName(plain)) << plain;
    for (const char* reaching : {"", ".", "..", "..\\payload.txt", "a/b", "C:x", "*.*", "a?"})
        EXPECT_FALSE(IsPlainEntryName(reaching)) << reaching;
}

TEST(SetupPathsTest, UninstallSwitchIsAnArgumentAfterTheProgramsPath)
{
    for (const char* line : {"\"C:\\Program Files\\Mirel\\MirelSetup.exe\" /uninstall",
                             "MirelSetup.exe /UNINSTALL", "MirelSetup.exe  x\t/Uninstall y"})
        EXPECT_TRUE(HasUninstallSwitch(line)) << line;
    for (const char* line :
         {"MirelSetup.exe", "MirelSetup.exe /uninstallx", "MirelSetup.exe -uninstall",
          "\"C:\\a /uninstall\\MirelSetup.exe\"", "C:\\x\\MirelSetup.exe/uninstall"})
        EXPECT_FALSE(HasUninstallSwitch(line)) << line;
}
