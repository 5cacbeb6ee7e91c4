// Test fixture of the setup end to end.
#include "SetupTest.h"

#include "tests/common/SetupKit.h"

#include <stdio.h>
#include <stdlib.h>

const std::vector<int> kOk = {IDOK};
const std::vector<int> kYesNo = {IDYES, IDNO};
const std::vector<int> kYesNoCancel = {IDYES, IDNO, IDCANCEL};

namespace {
const char kTestRoot[] = "C:\\mirel-e2e";
}

void SetupTest::SetUp()
{
    const char* built = getenv("MIREL_DIST");
    ASSERT_NE(nullptr, built) << "MIREL_DIST names the distribution folder";
    setupkit::RemoveInstallation();
    setupkit::RemoveTree(kTestRoot);
    m_dist = std::string(kTestRoot) + "\\dist";
    m_elsewhere = std::string(kTestRoot) + "\\elsewhere";
    for (const std::string& folder :
         {std::string(kTestRoot), m_dist, m_dist + "\\docs", m_elsewhere})
        ::CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"installer.exe", "Mirel.DLL"})
        ASSERT_TRUE(::CopyFileA((std::string(built) + "\\" + name).c_str(),
                                (m_dist + "\\" + name).c_str(), FALSE));
    setupkit::WriteFileText(m_dist + "\\readme.txt", "readme of the distribution");
    setupkit::WriteFileText(m_elsewhere + "\\unrelated.txt", "unrelated");
}

void SetupTest::TearDown()
{
    setupkit::RemoveInstallation();
    setupkit::RemoveTree(kTestRoot);
}

driver::Program SetupTest::StartInstaller(const std::string& name, const std::string& arguments,
                                          const char* unixLocale) const
{
    if (name.empty())
        return driver::Program(m_dist + "\\installer.exe", m_elsewhere, arguments, unixLocale);
    const std::string folder = std::string(kTestRoot) + "\\named";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CopyFileA((m_dist + "\\Mirel.DLL").c_str(), (folder + "\\Mirel.DLL").c_str(), FALSE);
    ::CopyFileA((m_dist + "\\installer.exe").c_str(), (folder + "\\" + name).c_str(), FALSE);
    return driver::Program(folder + "\\" + name, m_elsewhere, arguments, unixLocale);
}

driver::Program SetupTest::StartInstalled(const std::string& arguments)
{
    return driver::Program(setupkit::InstalledFile("MirelSetup.exe"), setupkit::InstallDirectory(),
                           arguments);
}

bool SetupTest::Answer(const driver::Program& program, const char* caption, const std::string& text,
                       const std::vector<int>& buttons, int answer, const char* screenshot)
{
    const driver::MessageBoxSeen box = driver::WaitForMessageBox(program.Pid(), caption);
    EXPECT_NE(nullptr, box.hWnd) << "no box with " << text;
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(buttons, box.buttons) << text;
    if (box.hWnd != nullptr && screenshot != nullptr)
        driver::SaveScreenshot(box.hWnd, screenshot);
    return box.hWnd != nullptr && box.text == text && driver::Answer(box, answer);
}

void SetupTest::InstallAsUser() const
{
    driver::Program installer = StartInstaller();
    ASSERT_TRUE(Answer(installer, kInstallerAppName, kConfirmText, kYesNoCancel, IDYES));
    ASSERT_TRUE(Answer(installer, kInstallerAppName, kSuccessText, kOk, IDOK));
    ASSERT_EQ(0u, installer.WaitForExit());
}

std::string Printf(const char* format, const std::string& first, const std::string& second)
{
    char text[4096];
    snprintf(text, sizeof(text), format, first.c_str(), second.c_str());
    return text;
}

std::string IncompleteText(const std::string& leftovers, bool stillRegistered)
{
    return kUninstallIncompleteText + std::string(stillRegistered ? kStillRegisteredText : "") +
           (leftovers.empty() ? std::string()
                              : Printf(kLeftoversFormat, setupkit::InstallDirectory(), leftovers)) +
           kUninstallWhatToDoText;
}
