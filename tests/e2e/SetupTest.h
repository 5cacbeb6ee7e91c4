// Test fixture of the setup end to end: a distribution folder of the test's own (with an extra
// file and a subfolder), started as a user starts the installer but from an unrelated current
// directory; no installation before or after the test.
#pragma once

#include "Driver.h"
#include "ProgramTexts.h"

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

    std::string m_dist;       // the distribution folder
    std::string m_elsewhere;  // the current directory the installer is started with
};

// format, a printf format of one or two strings, filled in.
std::string Printf(const char* format, const std::string& first,
                   const std::string& second = std::string());
// The uninstaller's failure message: what stays where, the registration if it stays.
std::string IncompleteText(const std::string& leftovers, bool stillRegistered = false);
