// The settings program's shortcuts on real folders: every field of the link as written and read
// back by the shell, replacement, a link path too long, and removal around a folder that holds
// something else.
#include "CleanInstallationTest.h"
#include "framework/ScopedHandles.h"
#include "setup/Shortcuts.h"

#include <shlobj.h>

#include <string>

class ShortcutsTest : public CleanInstallationTest
{
};

TEST_F(ShortcutsTest, LinksCarryTheTargetItsFolderAndNothingElseAndReplaceEarlierOnes)
{
    // Each target after the first replaces the links the one before it wrote.
    const struct
    {
        const char* target;
        const char* workingDirectory;
    } cases[] = {
        {"C:\\Program Files\\Mirel\\MirelSetup.exe", "C:\\Program Files\\Mirel"},
        // "表" and "ソ" end in 0x5C: the folder is not cut inside them.
        {"C:\\ミレル表\\ソ\\MirelSetup.exe", "C:\\ミレル表\\ソ"},
        {"C:\\表\\MirelSetup.exe", "C:\\表"},
    };
    for (const auto& c : cases) {
        for (int csidl : {CSIDL_DESKTOP, CSIDL_PROGRAMS}) {
            CreateShortcut(c.target, csidl);
            setupkit::LinkFields link;
            const std::string path =
                csidl == CSIDL_DESKTOP ? setupkit::DesktopLink() : setupkit::ProgramsLink();
            ASSERT_TRUE(setupkit::ReadLink(path, &link)) << path;
            EXPECT_EQ(c.target, link.target);
            EXPECT_EQ(c.workingDirectory, link.workingDirectory) << c.target;
            EXPECT_EQ("ミレル環境設定", link.description);
            EXPECT_EQ("", link.arguments);
            EXPECT_EQ("", link.iconPath);
            EXPECT_EQ(0, link.iconIndex);
            EXPECT_EQ(SW_SHOWNORMAL, link.showCommand);
        }
    }
    EXPECT_TRUE(m_app.shown.empty());
}

TEST_F(ShortcutsTest, LinkPathThatDoesNotFitIsNotSaved)
{
    const std::string folder = "C:\\mirel-long";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string tooLong = folder + "\\" + std::string(MAX_PATH, 'x') + ".lnk";
    {
        CScopedComInit com;
        EXPECT_TRUE(FAILED(
            CreateLink(tooLong.c_str(), "C:\\x.exe", "d", "", "C:\\", nullptr, 0, SW_SHOWNORMAL)));
    }
    EXPECT_TRUE(::RemoveDirectoryA(folder.c_str())) << "something was saved";
}

TEST_F(ShortcutsTest, RemovalDeletesBothLinksAndKeepsAFolderThatHoldsAnotherFile)
{
    CreateShortcut("C:\\x\\MirelSetup.exe", CSIDL_DESKTOP);
    CreateShortcut("C:\\x\\MirelSetup.exe", CSIDL_PROGRAMS);
    const std::string other = setupkit::ProgramsFolder() + "\\readme.txt";
    setupkit::WriteFileText(other, "kept");

    RemoveShortcuts();

    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsLink()));
    EXPECT_EQ("kept", setupkit::ReadFileText(other));
    EXPECT_TRUE(m_app.shown.empty());
}

TEST_F(ShortcutsTest, RemovalWithNothingToRemoveStillRemovesAnEmptyFolder)
{
    ASSERT_TRUE(::CreateDirectoryA(setupkit::ProgramsFolder().c_str(), nullptr));
    RemoveShortcuts();
    EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsFolder()));
    RemoveShortcuts();  // and again with no folder at all
    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    EXPECT_TRUE(m_app.shown.empty());
}
