// Test fixture: the settings program as installed, in a folder of its own in the test prefix,
// with a clean settings store.
#pragma once

#include "Driver.h"
#include "ProgramTexts.h"

#include <gtest/gtest.h>

#include <string>

class SettingsProgramTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts MirelSetup.exe from its folder, as its shortcut does.
    driver::Program Start() const;
    // The sheet of a started program, or null after the usual wait.
    static HWND WaitForSheet(const driver::Program& program);
    // Ends the sheet with Cancel and checks that the program then ends normally.
    static void CancelAndExpectExit(const driver::Program& program, HWND sheet);

    // Every check box and radio button clicked, every list set to another item, every edit
    // given new text, on every page: what a user changing everything does.
    static void EditEveryControl(HWND sheet);

    // The distribution folder under test (the build's dist folder), and this test's folder.
    static std::string DistFolder();
    std::string m_folder;
};
