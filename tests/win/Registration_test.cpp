// The add-in's registration, from both sides: the Main page's Enable and Disable (what the user
// is told, the module let go), and Mirel.DLL as a COM server (a registry that refuses it with or
// without an earlier registration, its path registered exactly, the add-in created through the
// registry as the browser creates it).
#include "app/MirelSetupApp.h"
#include "framework/ProcAddress.h"
#include "framework/ScopedHandles.h"
#include "res/resource.h"
#include "setup/AddInRegistration.h"
#include "tests/common/SetupKit.h"
#include "tests/win/ScriptedApp.h"
#include "tools/driver/Driver.h"
#include "tools/driver/ProgramTexts.h"

#include <commctrl.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

const CLSID kAddIn = {0x7AB1205B, 0xFAFC, 0x4068, {0x8F, 0x8D, 0x2B, 0xE4, 0x92, 0x0B, 0x27, 0x85}};

typedef HRESULT(STDAPICALLTYPE* EntryPoint)();

// The browser's side of the site: counts its references.
class FakeSite : public IUnknown
{
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = IsEqualIID(riid, IID_IUnknown) ? this : nullptr;
        return *ppv != nullptr ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    ULONG references = 1;
};

class RegistrationTest : public ::testing::Test
{
protected:
    void SetUp() override { setupkit::RemoveInstallation(); }
    void TearDown() override { setupkit::RemoveInstallation(); }

    // Puts a module of the test's as Mirel.DLL into the installation directory.
    static void Install(const char* module)
    {
        ::CreateDirectoryA(setupkit::InstallDirectory().c_str(), nullptr);
        ASSERT_TRUE(::CopyFileA(setupkit::BesideTestProgram(module).c_str(),
                                setupkit::InstalledFile("Mirel.DLL").c_str(), FALSE));
    }

    CScriptedApp m_app;  // a box would stop the test: recorded instead
};

}  // namespace

TEST_F(RegistrationTest, EnableAndDisableSayWhetherTheModuleRanAndSucceeded)
{
    // Stand-in modules whose entry points answer S_OK, E_FAIL, or are missing; or no module.
    const struct
    {
        const char* module;
        int button;
        const char* box;
        UINT type;
    } cases[] = {
        {"module_registers.dll", IDC_MAIN_ENABLE, kRegisteredText, MB_ICONINFORMATION},
        {"module_registers.dll", IDC_MAIN_DISABLE, kUnregisteredText, MB_ICONINFORMATION},
        {"module_fails.dll", IDC_MAIN_ENABLE, kRegisterFailedText, MB_ICONERROR},
        {"module_fails.dll", IDC_MAIN_DISABLE, kUnregisterFailedText, MB_ICONERROR},
        {"module_without_entry_points.dll", IDC_MAIN_ENABLE, kRegisterFailedText, MB_ICONERROR},
        {nullptr, IDC_MAIN_DISABLE, kUnregisterFailedText, MB_ICONERROR},
    };
    CScripted<CMirelSetupApp> app;
    RunWithSheet(app, [&](HWND sheet) {
        HWND page = driver::ShowPage(sheet, 0);
        for (const auto& c : cases) {
            if (c.module != nullptr)
                Install(c.module);
            ::SendDlgItemMessageA(page, c.button, BM_CLICK, 0, 0);
            // Let go: a module still loaded could not be deleted.
            EXPECT_EQ(c.module != nullptr,
                      ::DeleteFileA(setupkit::InstalledFile("Mirel.DLL").c_str()) != FALSE)
                << c.box;
        }
        // Uninstall declined: the sheet stays, and nothing changes.
        Install("Mirel.DLL");
        app.answers = {IDNO};
        ::SendDlgItemMessageA(page, IDC_MAIN_UNINSTALL, BM_CLICK, 0, 0);
        EXPECT_TRUE(setupkit::Exists(setupkit::InstalledFile("Mirel.DLL")));
        driver::PressSheetButton(sheet, PSBTN_CANCEL);
    });
    ASSERT_EQ(std::size(cases) + 1, app.shown.size());
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].box, app.shown[i].text);
        EXPECT_EQ(cases[i].type, app.shown[i].type) << cases[i].box;
    }
    EXPECT_EQ(kConfirmUninstallText, app.shown.back().text);
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), app.shown.back().type);
}

TEST_F(RegistrationTest, AFailedRegistrationTakesBackOnlyWhatItChanged)
{
    // The registry refuses the helper object's key, as it does a user without administrator
    // rights. From scratch: the keys the registration made go again, the key it found stays.
    Install("Mirel.DLL");
    setupkit::LockHelperObjectKey();
    EXPECT_EQ(0, RegisterAddIn(FALSE));
    EXPECT_FALSE(setupkit::KeyExists(setupkit::kClsidKey));
    EXPECT_EQ("", setupkit::RegistryValue(HKEY_LOCAL_MACHINE, setupkit::kHelperKey, "NoExplorer"));
    setupkit::RemoveInstallation();

    // Registered, then refused a registration from another path (Enable pressed with the key
    // refused): the earlier registration stays whole, its own path included.
    Install("Mirel.DLL");
    ASSERT_EQ(1, RegisterAddIn(FALSE));
    setupkit::LockHelperObjectKey();
    const EntryPoint registerBesideTests =
        ProcAddress<EntryPoint>(::GetModuleHandleA("Mirel.DLL"), "DllRegisterServer");
    ASSERT_NE(nullptr, registerBesideTests);
    EXPECT_TRUE(FAILED(registerBesideTests()));
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
}

TEST_F(RegistrationTest, APathTheCodePageCannotHoldIsRegisteredExactly)
{
    // "é" has no code page 932 form: through the ANSI calls the path would name "...\\cafe\\..."
    // or "...\\caf?\\...", another file or none.
    const std::wstring folder = L"C:\\mirel-caf\u00E9";
    const std::wstring module = folder + L"\\Mirel.DLL";
    const setupkit::Undo remove([&] { setupkit::RemoveTree(folder); });
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileW(setupkit::Wide(setupkit::BesideTestProgram("Mirel.DLL")).c_str(),
                            module.c_str(), FALSE));
    {
        CScopedModule loaded(::LoadLibraryW(module.c_str()));
        ASSERT_TRUE(loaded.IsValid());
        const EntryPoint registerServer =
            ProcAddress<EntryPoint>(loaded.Get(), "DllRegisterServer");
        ASSERT_EQ(S_OK, registerServer());
    }
    wchar_t registered[MAX_PATH + 1] = {};
    DWORD size = sizeof(registered);
    EXPECT_EQ(ERROR_SUCCESS,
              ::RegGetValueW(
                  HKEY_LOCAL_MACHINE,
                  setupkit::Wide(setupkit::kClsidKey + std::string("\\InprocServer32")).c_str(),
                  nullptr, RRF_RT_REG_SZ, nullptr, registered, &size));
    EXPECT_TRUE(module == registered);
}

TEST_F(RegistrationTest, BrowserCreatesTheAddInThroughTheRegistryAndHandsItsSite)
{
    Install("Mirel.DLL");
    ASSERT_EQ(1, RegisterAddIn(FALSE));
    CScopedModule module(::LoadLibraryA(setupkit::InstalledFile("Mirel.DLL").c_str()));
    const EntryPoint canUnloadNow = ProcAddress<EntryPoint>(module.Get(), "DllCanUnloadNow");
    ASSERT_NE(nullptr, canUnloadNow);
    CScopedComInit com;
    {
        CScopedInterface<IObjectWithSite> addIn;
        ASSERT_EQ(S_OK, ::CoCreateInstance(kAddIn, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IObjectWithSite, addIn.Receive()));
        EXPECT_EQ(S_FALSE, canUnloadNow());
        CScopedInterface<IUnknown> site;
        EXPECT_EQ(E_FAIL, addIn->GetSite(IID_IUnknown, site.Receive()));
        FakeSite browser;
        EXPECT_EQ(S_OK, addIn->SetSite(&browser));
        EXPECT_EQ(S_OK, addIn->GetSite(IID_IUnknown, site.Receive()));
        EXPECT_EQ(&browser, site.Get());
        site.Release();
        EXPECT_EQ(S_OK, addIn->SetSite(nullptr));
        EXPECT_EQ(1u, browser.references);
    }
    EXPECT_EQ(S_OK, canUnloadNow());
    {
        // A client may keep the class object itself and create objects with it later.
        CScopedInterface<IClassFactory> factory;
        ASSERT_EQ(S_OK, ::CoGetClassObject(kAddIn, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                           factory.Receive()));
        EXPECT_EQ(S_FALSE, canUnloadNow());
    }
    EXPECT_EQ(S_OK, canUnloadNow());
}
