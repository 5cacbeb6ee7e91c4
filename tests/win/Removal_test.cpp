// The removal's own result, which a caller without a person reads: done, done once the machine
// restarts, or failed, with the message that goes with each.
#include "tests/win/ScriptedApp.h"
#include "setup/AddInRegistration.h"
#include "setup/Uninstaller.h"
#include "tests/common/SetupKit.h"

#include "framework/ScopedHandles.h"

#include <gtest/gtest.h>

#include <string>

TEST(RemovalTest, TheResultSaysHowTheRemovalEnded)
{
    const struct
    {
        const char* name;
        bool moduleHeld;  // loaded by this process, as a browser holds it
        const char* subfolder;
        SetupOutcome outcome;
    } cases[] = {
        {"all gone at once", false, nullptr, SetupOutcome::Done},
        {"the module left to the restart", true, nullptr, SetupOutcome::DoneAfterRestart},
        {"a subfolder stays", false, "cache", SetupOutcome::Failed},
    };
    CScriptedApp app;
    for (const auto& c : cases) {
        setupkit::RemoveInstallation();
        ::CreateDirectoryA(setupkit::InstallDirectory().c_str(), nullptr);
        ASSERT_TRUE(::CopyFileA(setupkit::BesideTestProgram("Mirel.DLL").c_str(),
                                setupkit::InstalledFile("Mirel.DLL").c_str(), FALSE));
        setupkit::WriteFileText(setupkit::InstalledFile("readme.txt"), "readme");
        if (c.subfolder != nullptr)
            ::CreateDirectoryA(setupkit::InstalledFile(c.subfolder).c_str(), nullptr);
        ASSERT_EQ(1, RegisterAddIn(FALSE)) << c.name;
        CScopedModule held(
            c.moduleHeld ? ::LoadLibraryA(setupkit::InstalledFile("Mirel.DLL").c_str()) : nullptr);

        app.shown.clear();
        EXPECT_EQ(static_cast<int>(c.outcome), static_cast<int>(RemoveAddIn())) << c.name;
        EXPECT_TRUE(setupkit::NothingRegistered()) << c.name;
        ASSERT_EQ(1u, app.shown.size()) << c.name;
        EXPECT_EQ(c.outcome == SetupOutcome::Failed ? UINT(MB_OK | MB_ICONERROR)
                                                    : UINT(MB_OK | MB_ICONINFORMATION),
                  app.shown[0].type)
            << c.name;
        EXPECT_EQ(c.outcome == SetupOutcome::Done, !setupkit::Exists(setupkit::InstallDirectory()))
            << c.name;
    }
    setupkit::RemoveInstallation();
}
