// Names and paths in code page 932, where "表" (0x95 0x5C) and "ソ" (0x83 0x5C) end in the byte of
// a backslash: the setup's decisions, the add-in's installation directory, the text helpers below
// them (the string class has its own oracle: tests/fuzz/String_fuzz.cpp), and the names a failure
// message lists.
#include "base/Mbcs.h"
#include "setup/NameReport.h"
#include "setup/SetupPaths.h"
#include "support/InstallDir.h"

#include <gtest/gtest.h>

TEST(PathsTest, TheInstallerKnowsItselfAndItsFolderByWholeCharacters)
{
    // The mode, from the program's own path read wide: the code page has no say in it.
    const struct
    {
        const wchar_t* path;
        bool installer;
    } programs[] = {
        {L"C:\\dist\\installer.exe", true},
        {L"C:\\表\\Installer.Exe", true},
        {L"Z:\\dist/INSTALLER.EXE", true},
        {L"installer.exe", true},
        {L"C:\\café\\installer.exe", true},  // a folder code page 932 cannot hold
        {L"C:\\dist\\installer.exe.bak", false},
        {L"C:\\dist\\xinstaller.exe", false},
        {L"C:\\installer.exe\\MirelSetup.exe", false},
        {L"C:\\dist\\\u0130nstaller.exe", false},  // "İ": an "i" only to a Turkish locale
        {L"C:\\dist\\\uFF49nstaller.exe", false},  // a full-width "ｉ"
    };
    for (const auto& c : programs)
        EXPECT_EQ(c.installer, IsInstallerPath(c.path)) << static_cast<int>(&c - programs);

    // The distribution's own entry, in any case; the folder of a shortcut's target.
    EXPECT_TRUE(IsInstallerName("Installer.EXE"));
    EXPECT_FALSE(IsInstallerName("installer.exe.bak"));
    const struct
    {
        const char* target;
        const char* workingDirectory;
    } targets[] = {
        {"C:\\dist\\installer.exe", "C:\\dist"},
        {"C:\\表\\Installer.Exe", "C:\\表"},
        {"C:\\dist\\ソ", "C:\\dist"},
        {"installer.exe", "installer.exe"},
    };
    for (const auto& c : targets)
        EXPECT_STREQ(c.workingDirectory, WorkingDirectoryOf(c.target)) << c.target;
}

TEST(PathsTest, InstallationDirectoryIsAFolderBelowAnAbsoluteRoot)
{
    EXPECT_STREQ("C:\\Program Files\\Mirel", InstallationDirectoryUnder("C:\\Program Files"));
    EXPECT_STREQ("D:\\Mirel", InstallationDirectoryUnder("D:\\"));
    EXPECT_STREQ("C:\\表\\Mirel", InstallationDirectoryUnder("C:\\表"));
    for (const char* notAbsolute : {"Program Files", "C:relative", "\\\\server\\", "\\\\表x", ""})
        EXPECT_STREQ("", InstallationDirectoryUnder(notAbsolute)) << notAbsolute;

    for (const char* usable : {"C:\\Program Files\\Mirel", "z:\\表\\ソ", "\\\\server\\share\\Mirel",
                               "\\\\表\\share\\Mirel", "C:\\a.b\\.Mirel"})
        EXPECT_TRUE(IsUsableInstallationDirectory(usable)) << usable;
    for (const char* unusable :
         {"", "Mirel", "C:Mirel", "\\Mirel", "1:\\Mirel",              // not absolute
          "C:\\", "\\\\server\\share", "\\\\server\\share\\",          // a root
          "C:\\Program Files\\Mirel\\", "C:\\Program Files\\\\Mirel",  // an empty part
          "C:\\Program Files\\..", "C:\\Mirel\\..\\..", "C:\\Program Files/../x",
          // Windows drops trailing dots and blanks, also after a stray lead byte: these name
          // the folder above, or another one.
          "C:\\Program Files\\...", "C:\\Mirel.", "C:\\Mirel ", "C:\\Mirel\xF3 "})
        EXPECT_FALSE(IsUsableInstallationDirectory(unusable)) << unusable;
}

TEST(PathsTest, AnEntryNameStaysInItsFolderAndMeansItself)
{
    // Near misses of the refused names below are plain names: "ポ" is 0x83 0x7C, "|" its trail.
    for (const char* plain : {"readme.txt", ".mirelrc", "表示ソフト.txt", "ポ", "console.txt",
                              "NULL", "nul_.txt", "COM10", "LPT", "a .txt"})
        EXPECT_TRUE(IsPlainEntryName(plain)) << plain;
    for (const char* reaching : {"", ".", "..", "..\\payload.txt", "a/b", "C:x", "*.*", "a?"})
        EXPECT_FALSE(IsPlainEntryName(reaching)) << reaching;
    // Names the ANSI file calls rewrite: a trailing dot or blank is dropped (another file), a
    // device name opens the device, with or without an extension and after blanks.
    for (const char* rewritten :
         {"readme.txt.", "readme.txt ", "...", "表.", "CON", "prn.txt", "Aux", "nul.tar.gz",
          "NUL .txt", "com1", "COM9.log", "lpt0", "Lpt5.txt"})
        EXPECT_FALSE(IsPlainEntryName(rewritten)) << rewritten;
    // Characters Windows forbids in a name, control characters among them.
    for (const char* forbidden :
         {"a<b", "a>b", "say\"hi\"", "a|b", "tab\there", "line\nbreak", "\x1F"})
        EXPECT_FALSE(IsPlainEntryName(forbidden)) << forbidden;
}

TEST(PathsTest, SwitchesAreArgumentsAfterTheProgramsPathInAnyCaseAndOrder)
{
    const struct
    {
        const char* line;
        bool uninstall, quiet;
        const char* logFile;
    } cases[] = {
        {"\"C:\\Program Files\\Mirel\\MirelSetup.exe\" /uninstall", true, false, ""},
        {"MirelSetup.exe  x\t/UNINSTALL y", true, false, ""},
        {"MirelSetup.exe /Quiet /uninstall /LOG=C:\\表\\setup.log", true, true,
         "C:\\表\\setup.log"},
        // A path with blanks, quoted whole or after the "=": the quotes are no part of it.
        {"installer.exe \"/log=C:\\My logs\\a.log\" /quiet", false, true, "C:\\My logs\\a.log"},
        {"installer.exe /log=\"C:\\My logs\\a.log\" /quiet", false, true, "C:\\My logs\\a.log"},
        {"installer.exe /log=a.log /log=\"C:\\ソ b.log", false, false, "C:\\ソ b.log"},
        {"installer.exe /log= /quiet", false, true, ""},
        // Not switches: other spellings, one quoted argument, and the program's own path,
        // however it reads.
        {"MirelSetup.exe /uninstallx -quiet /quiet2 /logfile=x \"/uninstall /quiet\"", false, false,
         ""},
        {"\"C:\\a /uninstall /quiet b\\MirelSetup.exe\"", false, false, ""},
        {"C:\\x\\MirelSetup.exe/uninstall", false, false, ""},
        {"", false, false, ""},
    };
    for (const auto& c : cases) {
        const SetupSwitches switches = ReadSetupSwitches(c.line);
        EXPECT_EQ(c.uninstall, switches.uninstall) << c.line;
        EXPECT_EQ(c.quiet, switches.quiet) << c.line;
        EXPECT_STREQ(c.logFile, switches.logFile) << c.line;
    }
}

TEST(PathsTest, NamesCompareIgnoringTheCaseOfAsciiLettersOnly)
{
    EXPECT_EQ(0, CompareNamesIgnoreCase("ミレル.DLL", "ミレル.dll"));
    // "ア" is 0x83 0x41 and "ヂ" 0x83 0x61: folding the trail byte would make them one.
    EXPECT_NE(0, CompareNamesIgnoreCase("ア", "ヂ"));
}

TEST(PathsTest, AFailureListsFiveNamesThenAnEllipsis)
{
    CNameReport report;
    // A line break in a name makes no line of its own, which could read as the program's text.
    for (const char* name : {"1", "2\n\nOK", "3\t", "4", "5", "6", "7"})
        report.Add(name);
    EXPECT_STREQ("　1\n　2??OK\n　3?\n　4\n　5\n　…\n", report.Lines());
}
