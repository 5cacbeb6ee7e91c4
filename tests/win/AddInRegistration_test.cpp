// Registering and unregistering the add-in through the module in the installation directory:
// which entry point runs, what the user is told, the result, and that the module is let go.
#include "CleanInstallationTest.h"
#include "setup/AddInRegistration.h"

#include <string>
#include <vector>

namespace {

const char kRegisterFailed[] = "ミレルの登録に失敗しました。";
const char kRegistered[] = "ミレルの登録に成功しました。IEをすべて再起動してください。";
const char kUnregisterFailed[] = "ミレルの取り外し失敗しました。";
const char kUnregistered[] = "ミレルの取り外し成功しました。IEをすべて再起動してください。";

std::string TakeCalledEntryPoint()
{
    char name[64] = {};
    ::GetEnvironmentVariableA("MIREL_TEST_MODULE_CALL", name, sizeof(name));
    ::SetEnvironmentVariableA("MIREL_TEST_MODULE_CALL", nullptr);
    return name;
}

}  // namespace

class AddInRegistrationTest : public CleanInstallationTest
{
};

TEST_F(AddInRegistrationTest, OnlyARegistrationThatRanAndSucceededCountsAndIsPraised)
{
    struct Box
    {
        std::string text;
        UINT type;
    };
    const struct
    {
        const char* module;  // put into the installation directory as Mirel.DLL; null: none
        bool registering;
        BOOL bShow;
        int result;
        const char* called;
        std::vector<Box> boxes;
    } cases[] = {
        {"module_registers.dll",
         true,
         TRUE,
         1,
         "DllRegisterServer",
         {{kRegistered, MB_ICONINFORMATION}}},
        {"module_registers.dll", true, FALSE, 1, "DllRegisterServer", {}},
        {"module_registers.dll",
         false,
         TRUE,
         1,
         "DllUnregisterServer",
         {{kUnregistered, MB_ICONINFORMATION}}},
        {"module_registers.dll", false, FALSE, 1, "DllUnregisterServer", {}},
        // An entry point that reports a failure, or none at all, registered nothing.
        {"module_fails.dll",
         true,
         FALSE,
         0,
         "DllRegisterServer",
         {{kRegisterFailed, MB_ICONERROR}}},
        {"module_fails.dll",
         false,
         TRUE,
         0,
         "DllUnregisterServer",
         {{kUnregisterFailed, MB_ICONERROR}}},
        {"module_without_entry_points.dll", true, TRUE, 0, "", {{kRegisterFailed, MB_ICONERROR}}},
        {"module_without_entry_points.dll",
         false,
         FALSE,
         0,
         "",
         {{kUnregisterFailed, MB_ICONERROR}}},
        {nullptr, true, FALSE, 0, "", {{kRegisterFailed, MB_ICONERROR}}},
        {nullptr, false, TRUE, 0, "", {{kUnregisterFailed, MB_ICONERROR}}},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(c.module != nullptr ? c.module : "no module") +
                                 (c.registering ? " register" : " unregister") +
                                 (c.bShow ? " shown" : " silent");
        if (c.module != nullptr)
            Install(c.module, "Mirel.DLL");
        m_app.shown.clear();
        TakeCalledEntryPoint();

        const int result = c.registering ? RegisterAddIn(c.bShow) : UnregisterAddIn(c.bShow);

        EXPECT_EQ(c.result, result) << name;
        EXPECT_EQ(c.called, TakeCalledEntryPoint()) << name;
        ASSERT_EQ(c.boxes.size(), m_app.shown.size()) << name;
        for (size_t i = 0; i < c.boxes.size(); ++i) {
            EXPECT_EQ(c.boxes[i].text, m_app.shown[i].text) << name;
            EXPECT_EQ(c.boxes[i].type, m_app.shown[i].type) << name;
        }
        // The module has been let go: a loaded module could not be deleted.
        if (c.module != nullptr) {
            EXPECT_TRUE(::DeleteFileA(setupkit::InstalledFile("Mirel.DLL").c_str())) << name;
        }
    }
}

TEST_F(AddInRegistrationTest, TheInstalledModuleRegistersItselfNotTheOneBesideTheProgram)
{
    // This test program has Mirel.DLL loaded from its own folder already.
    ASSERT_NE(nullptr, ::GetModuleHandleA("Mirel.DLL"));
    Install("Mirel.DLL", "Mirel.DLL");
    const std::string installed = setupkit::InstalledFile("Mirel.DLL");

    HMODULE module = LoadAddInModule();
    ASSERT_NE(nullptr, module);
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(module, path, MAX_PATH);
    EXPECT_EQ(0, lstrcmpiA(installed.c_str(), path)) << path;
    ::FreeLibrary(module);

    EXPECT_EQ(1, RegisterAddIn(FALSE));
    EXPECT_EQ("", setupkit::RegistrationMismatch(installed));
    EXPECT_EQ(1, UnregisterAddIn(FALSE));
    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_TRUE(m_app.shown.empty());
}
