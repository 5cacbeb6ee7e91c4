// The add-in's registration, from both sides: the settings program's Enable and Disable (the
// result, what the user is told, the module let go), and Mirel.DLL
// as a COM server (its own path registered exactly and removed again, a registry that refuses it
// with or without an earlier registration, the add-in created through the registry as the
// browser creates it).
#include "tests/win/ScriptedApp.h"
#include "setup/AddInRegistration.h"
#include "tests/common/SetupKit.h"

#include "framework/ProcAddress.h"
#include "framework/ScopedHandles.h"

#include <ocidl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kRegisterFailed[] = "ミレルの登録に失敗しました。";
const char kUnregisterFailed[] = "ミレルの取り外し失敗しました。";
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

    CScriptedApp m_app;
};

}  // namespace

TEST_F(RegistrationTest, OnlyARegistrationThatRanAndSucceededCountsAndIsPraised)
{
    // Stand-in modules whose entry points answer S_OK, E_FAIL, or are missing; or no module.
    const struct
    {
        const char* module;
        bool registering;
        BOOL bShow;
        int result;
        const char* box;  // the one message shown, or nullptr
    } cases[] = {
        {"module_registers.dll", true, TRUE, 1,
         "ミレルの登録に成功しました。IEをすべて再起動してください。"},
        {"module_registers.dll", false, FALSE, 1, nullptr},
        {"module_fails.dll", true, FALSE, 0, kRegisterFailed},
        {"module_fails.dll", false, TRUE, 0, kUnregisterFailed},
        {"module_without_entry_points.dll", true, TRUE, 0, kRegisterFailed},
        {nullptr, false, FALSE, 0, kUnregisterFailed},
    };
    for (const auto& c : cases) {
        const std::string name =
            std::string(c.module ? c.module : "none") + (c.registering ? " on" : " off");
        if (c.module != nullptr)
            Install(c.module);
        m_app.shown.clear();
        EXPECT_EQ(c.result, c.registering ? RegisterAddIn(c.bShow) : UnregisterAddIn(c.bShow))
            << name;
        ASSERT_EQ(c.box != nullptr ? 1u : 0u, m_app.shown.size()) << name;
        if (c.box != nullptr) {
            EXPECT_EQ(c.box, m_app.shown[0].text) << name;
            EXPECT_EQ(c.result ? UINT(MB_ICONINFORMATION) : UINT(MB_ICONERROR), m_app.shown[0].type)
                << name;
        }
        // Let go: a module still loaded could not be deleted.
        EXPECT_EQ(c.module != nullptr,
                  ::DeleteFileA(setupkit::InstalledFile("Mirel.DLL").c_str()) != FALSE)
            << name;
    }
}

TEST_F(RegistrationTest, TheInstalledModuleRegistersItsOwnPathAndIsRemovedEvenTwice)
{
    // This test program has Mirel.DLL loaded from its own folder already: the installed copy must
    // be the one registered.
    ASSERT_NE(nullptr, ::GetModuleHandleA("Mirel.DLL"));
    Install("Mirel.DLL");
    EXPECT_EQ(1, RegisterAddIn(FALSE));
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    EXPECT_EQ(1, UnregisterAddIn(FALSE));
    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_EQ(1, UnregisterAddIn(FALSE));  // already absent is no failure
    EXPECT_TRUE(m_app.shown.empty());
}

TEST_F(RegistrationTest, AFailedRegistrationTakesBackOnlyWhatItChanged)
{
    // The registry refuses the helper object's key, as it does a user without administrator
    // rights. From scratch: the keys the registration made go again, the key it found stays.
    Install("Mirel.DLL");
    setupkit::LockHelperObjectKey();
    EXPECT_EQ(0, RegisterAddIn(FALSE));
    EXPECT_FALSE(setupkit::ClassKeyExists());
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
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileW(setupkit::Wide(setupkit::BesideTestProgram("Mirel.DLL")).c_str(),
                            module.c_str(), FALSE));
    {
        CScopedModule loaded(::LoadLibraryW(module.c_str()));
        ASSERT_TRUE(loaded.IsValid());
        const EntryPoint registerServer = ProcAddress<EntryPoint>(loaded.Get(), "DllRegisterServer");
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
    setupkit::RemoveTree(folder);
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
