// Test fixture of the setup end to end: a distribution folder of the test's own (with an extra
// file and a subfolder), started as a user starts the installer but from an unrelated current
// directory; no installation before or after the test.
#pragma once

#include "tools/driver/Driver.h"
#include "tools/driver/ProgramTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern const std::vector<int> kOk;
extern const std::vector<int> kYesNo;
extern const std::vector<int> kYesNoCancel;

class SetupTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The distribution folder's installer; under another name (a copy beside Mirel.DLL in a
    // folder of its own) when name is given; under a Unix locale of its own when one is given.
    driver::Program StartInstaller(const std::string& name = std::string(),
                                   const std::string& arguments = std::string(),
                                   const char* unixLocale = nullptr) const;
    // The installed program, started from the installation directory as its shortcut starts it.
    static driver::Program StartInstalled(const std::string& arguments = std::string());
    // Expects the next box of program (its caption, text and buttons) and answers it; saved as
    // a screenshot when a name is given. False when no such box came or it stayed.
    static bool Answer(const driver::Program& program, const char* caption, const std::string& text,
                       const std::vector<int>& buttons, int answer,
                       const char* screenshot = nullptr);
    // A whole installation as a user does it: Yes, then OK to the success message.
    void InstallAsUser() const;
    // A removal as a user confirms it: the question answered Yes, then these boxes answered OK,
    // then exit status -1. Screenshots of the question and the last box when names are given.
    static void Uninstall(const driver::Program& program, const std::vector<std::string>& boxes,
                          const char* lastBoxScreenshot = nullptr,
                          const char* questionScreenshot = nullptr);
    // The same with a copy of the settings program outside the installation, which so holds
    // nothing there itself.
    void UninstallFromElsewhere(const std::vector<std::string>& boxes,
                                const char* lastBoxScreenshot = nullptr) const
    {
        Uninstall(StartInstaller("MirelSetup.exe", "/uninstall"), boxes, lastBoxScreenshot);
    }

    // The end of a quiet run, which must show no window: its exit status.
    static DWORD ExitOfQuietRun(const driver::Program& program, DWORD timeoutMs = driver::kWaitMs);
    // The switch that logs a quiet run to m_log, quoted as its name holds a blank.
    std::string LogSwitch() const { return "\"/log=" + m_log + "\""; }
    // The lines of the log, each without its time (which is checked), in code page 932.
    std::vector<std::string> LogEntries() const;

    std::string m_dist;       // the distribution folder
    std::string m_elsewhere;  // the current directory the installer is started with
    std::string m_log;        // where quiet runs log to: a name in double-byte text, with a blank
};

// The log entry of a box with text that program (its caption) would have shown: one line, with a
// question's answer after it.
std::string Entry(const char* program, const std::string& text, const char* answer = nullptr);
extern const char kAnsweredYes[];
extern const char kAnsweredNo[];

// format, a printf format of one or two strings, filled in.
std::string Printf(const char* format, const std::string& first,
                   const std::string& second = std::string());
// The uninstaller's failure message: the registration if it stays, what stays where, then what
// follows (shortcuts, the list entry) before the advice.
std::string IncompleteText(const std::string& leftovers, bool stillRegistered = false,
                           const std::string& after = std::string());
