// Test fixture: a distribution folder of the test's own, with an extra file and a subdirectory,
// started as a user starts the installer; no installation before or after the test.
#include "InstallerProgram.h"

#include "res/resource.h"
#include "tests/common/SetupKit.h"

#include <commctrl.h>
#include <stdio.h>

const std::vector<int> kOk = {IDOK};
const std::vector<int> kYesNo = {IDYES, IDNO};
const std::vector<int> kYesNoCancel = {IDYES, IDNO, IDCANCEL};

namespace {
const char kTestRoot[] = "C:\\mirel-e2e";
}

void InstallerTest::SetUp()
{
    const std::string built = driver::EnvOrEmpty("MIREL_DIST");
    ASSERT_FALSE(built.empty()) << "MIREL_DIST names the distribution folder";
    setupkit::RemoveInstallation();
    m_dist = std::string(kTestRoot) + "\\dist";
    setupkit::RemoveTree(m_dist);
    ::CreateDirectoryA(kTestRoot, nullptr);
    ASSERT_TRUE(driver::CopyFolderFiles(built, m_dist));
    setupkit::WriteFileText(m_dist + "\\readme.txt", "readme of the distribution");
    ::CreateDirectoryA((m_dist + "\\docs").c_str(), nullptr);
    setupkit::WriteFileText(m_dist + "\\docs\\manual.txt", "manual");
    // Started from a console elsewhere: that folder's files are none of the installer's.
    m_elsewhere = std::string(kTestRoot) + "\\elsewhere";
    ::CreateDirectoryA(m_elsewhere.c_str(), nullptr);
    setupkit::WriteFileText(m_elsewhere + "\\unrelated.txt", "unrelated");
}

void InstallerTest::TearDown()
{
    setupkit::RemoveInstallation();
    setupkit::RemoveTree(std::string(kTestRoot) + "\\named");
    setupkit::RemoveTree(m_dist);
    setupkit::RemoveTree(m_elsewhere);
}

driver::Program InstallerTest::StartInstaller(const std::string& name, const std::string& arguments)
{
    if (name.empty())
        return driver::Program(m_dist + "\\installer.exe", m_elsewhere);
    const std::string folder = std::string(kTestRoot) + "\\named";
    setupkit::RemoveTree(folder);
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CopyFileA((m_dist + "\\Mirel.DLL").c_str(), (folder + "\\Mirel.DLL").c_str(), FALSE);
    ::CopyFileA((m_dist + "\\installer.exe").c_str(), (folder + "\\" + name).c_str(), FALSE);
    return driver::Program(folder + "\\" + name, m_elsewhere, arguments);
}

std::string Printf(const char* format, const std::string& first, const std::string& second)
{
    char text[4096];
    std::snprintf(text, sizeof(text), format, first.c_str(), second.c_str());
    return text;
}

void InstallerTest::InstallAsUser()
{
    driver::Program installer = StartInstaller();
    ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel,
                          driver::Icon::Question, IDYES));
    ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kSuccessText, kOk,
                          driver::Icon::Information, IDOK));
    ASSERT_EQ(0u, installer.WaitForExit());
}

driver::MessageBoxSeen InstallerTest::ExpectBox(const driver::Program& program,
                                                const std::string& caption, const char* text,
                                                const std::vector<int>& buttons, driver::Icon icon,
                                                const char* screenshot)
{
    const driver::MessageBoxSeen box = driver::WaitForMessageBox(program.Pid(), caption);
    EXPECT_NE(nullptr, box.hWnd) << "no box with " << text;
    if (box.hWnd == nullptr)
        return box;
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(buttons, box.buttons) << text;
    EXPECT_EQ(icon, box.icon) << text;
    if (screenshot != nullptr)
        driver::SaveScreenshot(box.hWnd, screenshot);
    return box;
}

bool InstallerTest::AnswerBox(const driver::Program& program, const std::string& caption,
                              const char* text, const std::vector<int>& buttons, driver::Icon icon,
                              int answer, const char* screenshot)
{
    const driver::MessageBoxSeen box = ExpectBox(program, caption, text, buttons, icon, screenshot);
    return box.hWnd != nullptr && driver::Answer(box, answer);
}

driver::Program InstallerTest::StartInstalledSettings()
{
    return driver::Program(setupkit::InstalledFile("MirelSetup.exe"), setupkit::InstallDirectory());
}

void InstallerTest::ClickUninstall(HWND sheet)
{
    driver::SelectPage(sheet, 0);
    driver::Click(driver::Child(driver::CurrentPage(sheet), IDC_MAIN_UNINSTALL));
}
