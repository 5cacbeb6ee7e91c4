// Mirel.DLL as an in-process COM server: the four entry points COM and regsvr32 look for.
#include "support/AddInClsid.h"
#include "support/AddInFactory.h"
#include "support/ModuleUsage.h"
#include "support/Registration.h"

#include <objbase.h>
#include <windows.h>

// The linker's name for the start of this module's image, which is its module handle.
extern "C" IMAGE_DOS_HEADER __ImageBase;

const CLSID CLSID_MirelAddIn = {
    0x7AB1205B, 0xFAFC, 0x4068, {0x8F, 0x8D, 0x2B, 0xE4, 0x92, 0x0B, 0x27, 0x85}};

namespace {

CAddInFactory addInFactory;

}  // namespace

// The path registered is that of this very module, wherever it was loaded from: the installer
// registers the installed copy, never the one beside the program. Read and written wide: the
// code page's form of a path it cannot hold would name another file.
STDAPI DllRegisterServer()
{
    const DWORD size = MAX_PATH + 1;
    wchar_t path[size] = {};
    const DWORD length =
        ::GetModuleFileNameW(reinterpret_cast<HMODULE>(&__ImageBase), path, size);
    if (length == 0)
        return HRESULT_FROM_WIN32(::GetLastError());
    if (length >= size)
        return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);  // a cut path would name another file
    return RegisterEntries(path);
}

STDAPI DllUnregisterServer()
{
    return UnregisterEntries();
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualCLSID(rclsid, CLSID_MirelAddIn))
        return CLASS_E_CLASSNOTAVAILABLE;
    return addInFactory.QueryInterface(riid, ppv);
}

STDAPI DllCanUnloadNow()
{
    return ModuleIsUnused() ? S_OK : S_FALSE;
}
