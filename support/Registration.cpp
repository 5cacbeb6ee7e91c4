// The add-in's COM registration as one table: written by DllRegisterServer, removed by
// DllUnregisterServer, and read by the tests that check the registry.
#include "support/Registration.h"

#include "framework/ScopedHandles.h"
#include "support/AddInClsid.h"

#include <string.h>

namespace {

// Machine-wide: the browser reads its helper objects from HKLM, and every user gets the add-in.
#define CLSID_KEY "Software\\Classes\\CLSID\\" MIREL_ADDIN_CLSID_TEXT
#define HELPER_KEY                                                                                 \
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\" MIREL_ADDIN_CLSID_TEXT

}  // namespace

const RegistrationEntry kRegistrationEntries[] = {
    {HKEY_LOCAL_MACHINE, CLSID_KEY, nullptr, REG_SZ, "Mirel", 0},
    {HKEY_LOCAL_MACHINE, CLSID_KEY "\\InprocServer32", nullptr, REG_SZ, nullptr, 0},
    {HKEY_LOCAL_MACHINE, CLSID_KEY "\\InprocServer32", "ThreadingModel", REG_SZ, "Apartment", 0},
    // Explorer would load a helper object too; the add-in only belongs in the browser.
    {HKEY_LOCAL_MACHINE, HELPER_KEY, "NoExplorer", REG_DWORD, nullptr, 1},
};
const size_t kRegistrationEntryCount =
    sizeof(kRegistrationEntries) / sizeof(kRegistrationEntries[0]);

namespace {

LONG WriteEntry(const RegistrationEntry& entry, const char* modulePath)
{
    CScopedKey key;
    LONG result = ::RegCreateKeyExA(entry.root, entry.subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_SET_VALUE, nullptr, key.Receive(), nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    if (entry.type == REG_DWORD) {
        return ::RegSetValueExA(key.Get(), entry.valueName, 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&entry.number), sizeof(DWORD));
    }
    const char* text = entry.text != nullptr ? entry.text : modulePath;
    return ::RegSetValueExA(key.Get(), entry.valueName, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>(strlen(text) + 1));
}

}  // namespace

HRESULT RegisterEntries(const char* modulePath)
{
    if (modulePath == nullptr || modulePath[0] == '\0')
        return E_INVALIDARG;
    for (size_t i = 0; i < kRegistrationEntryCount; ++i) {
        const LONG result = WriteEntry(kRegistrationEntries[i], modulePath);
        if (result != ERROR_SUCCESS) {
            UnregisterEntries();
            return HRESULT_FROM_WIN32(result);
        }
    }
    return S_OK;
}

HRESULT UnregisterEntries()
{
    // Children first, so every key is empty of subkeys when its turn comes; a key listed for
    // several values is simply found gone the second time.
    HRESULT hr = S_OK;
    for (size_t i = kRegistrationEntryCount; i-- > 0;) {
        const RegistrationEntry& entry = kRegistrationEntries[i];
        const LONG result = ::RegDeleteKeyA(entry.root, entry.subKey);
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND && SUCCEEDED(hr))
            hr = HRESULT_FROM_WIN32(result);
    }
    return hr;
}
