// Mirel.DLL as a COM server: its registration (this module's own path, undone completely and
// repeatably), the refusal of a registry that will not take it, and the add-in object created
// through the registry as the browser creates it, keeping its site and, like a held class object,
// the module loaded.
#include "CleanInstallationTest.h"
#include "support/AddInClsid.h"

#include "framework/ScopedHandles.h"

#include <ocidl.h>

namespace {

typedef HRESULT(STDAPICALLTYPE* EntryPoint)();

// A copy in a folder whose name holds trail bytes 0x5C ("表", "ソ"): the path registered must be
// the copy's, intact.
const char kCopyFolder[] = "C:\\mirel-test\\表示ソフト";

// The browser's side of the site: counts its references.
class FakeSite : public IUnknown
{
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!IsEqualIID(riid, IID_IUnknown)) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    ULONG references = 1;
};

CLSID AddInClsidFromText()
{
    CLSID clsid = {};
    wchar_t text[64] = {};
    ::MultiByteToWideChar(CP_ACP, 0, MIREL_ADDIN_CLSID_TEXT, -1, text, 64);
    ::CLSIDFromString(text, &clsid);
    return clsid;
}

}  // namespace

class ComServerTest : public CleanInstallationTest
{
protected:
    void SetUp() override
    {
        CleanInstallationTest::SetUp();
        ::CreateDirectoryA("C:\\mirel-test", nullptr);
        ::CreateDirectoryA(kCopyFolder, nullptr);
        m_path = std::string(kCopyFolder) + "\\Mirel.DLL";
        ASSERT_TRUE(
            ::CopyFileA(setupkit::BesideTestProgram("Mirel.DLL").c_str(), m_path.c_str(), FALSE));
        m_module = ::LoadLibraryA(m_path.c_str());
        ASSERT_NE(nullptr, m_module);
    }
    void TearDown() override
    {
        ::FreeLibrary(m_module);
        setupkit::RemoveTree("C:\\mirel-test");
        CleanInstallationTest::TearDown();
    }

    HRESULT Call(const char* name) const
    {
        EntryPoint entry = reinterpret_cast<EntryPoint>(::GetProcAddress(m_module, name));
        return entry != nullptr ? entry() : E_NOTIMPL;
    }

    std::string m_path;
    HMODULE m_module = nullptr;
};

TEST_F(ComServerTest, RegistrationNamesThisModuleAndIsUndoneEvenTwice)
{
    ASSERT_EQ(S_OK, Call("DllRegisterServer"));
    EXPECT_EQ("", setupkit::RegistrationMismatch(m_path));

    EXPECT_EQ(S_OK, Call("DllUnregisterServer"));
    EXPECT_TRUE(setupkit::NothingRegistered());
    // Already absent is no failure.
    EXPECT_EQ(S_OK, Call("DllUnregisterServer"));
}

TEST_F(ComServerTest, RegistryThatRefusesTheEntriesIsAFailureThatLeavesNothing)
{
    setupkit::LockHelperObjectKey();
    EXPECT_TRUE(FAILED(Call("DllRegisterServer")));
    EXPECT_TRUE(setupkit::NothingRegistered());
}

TEST_F(ComServerTest, BrowserCreatesTheAddInThroughTheRegistryAndHandsItsSite)
{
    ASSERT_EQ(S_OK, Call("DllRegisterServer"));
    CScopedComInit com;
    ASSERT_TRUE(com.Succeeded());
    const CLSID clsid = AddInClsidFromText();
    const EntryPoint canUnloadNow =
        reinterpret_cast<EntryPoint>(::GetProcAddress(m_module, "DllCanUnloadNow"));
    ASSERT_NE(nullptr, canUnloadNow);
    EXPECT_EQ(S_OK, canUnloadNow());

    {
        CScopedInterface<IObjectWithSite> addIn;
        ASSERT_EQ(S_OK, ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IObjectWithSite, addIn.Receive()));
        EXPECT_EQ(S_FALSE, canUnloadNow());

        CScopedInterface<IUnknown> site;
        EXPECT_EQ(E_FAIL, addIn->GetSite(IID_IUnknown, site.Receive()));
        EXPECT_EQ(nullptr, site.Get());

        FakeSite browser;
        EXPECT_EQ(S_OK, addIn->SetSite(&browser));
        EXPECT_EQ(2u, browser.references);
        EXPECT_EQ(S_OK, addIn->GetSite(IID_IUnknown, site.Receive()));
        EXPECT_EQ(&browser, site.Get());
        site.Release();
        CScopedInterface<IClassFactory> notASite;
        EXPECT_EQ(E_NOINTERFACE, addIn->GetSite(IID_IClassFactory, notASite.Receive()));
        EXPECT_EQ(S_OK, addIn->SetSite(nullptr));
        EXPECT_EQ(1u, browser.references);
    }
    EXPECT_EQ(S_OK, canUnloadNow());
    {
        // A client may keep the class object itself and create objects with it later.
        CScopedInterface<IClassFactory> factory;
        ASSERT_EQ(S_OK, ::CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                           factory.Receive()));
        EXPECT_EQ(S_FALSE, canUnloadNow());
    }
    EXPECT_EQ(S_OK, canUnloadNow());
}
