// Test fixture: a distribution folder of the test's own, with an extra file and a subdirectory,
// started as a user starts the installer; no installation before or after the test.
#pragma once

#include "Driver.h"
#include "ProgramTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern const std::vector<int> kOk;
extern const std::vector<int> kYesNo;
extern const std::vector<int> kYesNoCancel;

class InstallerTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the distribution folder's program, under name when given (a copy of installer.exe
    // in a folder of its own, beside Mirel.DLL), with an unrelated folder as current directory.
    driver::Program StartInstaller(const std::string& name = std::string(),
                                   const std::string& arguments = std::string());
    // A whole installation as a user does it: Yes, then OK to the success message.
    void InstallAsUser();

    // The next message box of program, checked against what is expected of it; saved as a
    // screenshot when a name is given. A box with a null hWnd when none came.
    static driver::MessageBoxSeen ExpectBox(const driver::Program& program,
                                            const std::string& caption, const char* text,
                                            const std::vector<int>& buttons, driver::Icon icon,
                                            const char* screenshot = nullptr);
    // The same, then answered with the button answer; false when no box came or it stayed.
    static bool AnswerBox(const driver::Program& program, const std::string& caption,
                          const char* text, const std::vector<int>& buttons, driver::Icon icon,
                          int answer, const char* screenshot = nullptr);

    // The settings program as installed, started from the installation directory as its
    // shortcut starts it.
    static driver::Program StartInstalledSettings();
    // Presses the Main page's Uninstall button of a settings sheet.
    static void ClickUninstall(HWND sheet);

    std::string m_dist;
    std::string m_elsewhere;  // the current directory the installer is started with
};

// format, a printf format of one or two strings, filled in.
std::string Printf(const char* format, const std::string& first,
                   const std::string& second = std::string());
