// Test fixture: no trace of an installation before or after the test, message boxes scripted,
// and the test's own binaries (Mirel.DLL, the stand-in modules) at hand beside the test.
#pragma once

#include "ScriptedApp.h"
#include "tests/common/SetupKit.h"

#include <gtest/gtest.h>

#include <string>

class CleanInstallationTest : public ::testing::Test
{
protected:
    void SetUp() override { setupkit::RemoveInstallation(); }
    void TearDown() override { setupkit::RemoveInstallation(); }

    // Puts a file of the test's as name into the installation directory.
    static void Install(const char* testFile, const char* name)
    {
        ::CreateDirectoryA(setupkit::InstallDirectory().c_str(), nullptr);
        ASSERT_TRUE(::CopyFileA(setupkit::BesideTestProgram(testFile).c_str(),
                                setupkit::InstalledFile(name).c_str(), FALSE))
            << testFile;
    }

    CScriptedApp m_app;
};
