// The add-in's COM registration as one table: written by DllRegisterServer, removed by
// DllUnregisterServer, and read by the tests that check the registry.
#include "support/Registration.h"

#include "framework/ScopedHandles.h"
#include "support/AddInClsid.h"
#include "support/PriorValue.h"

#include <wchar.h>

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

// The table's names and texts are short ASCII; the registry takes them wide, like the path.
class CWideText
{
public:
    explicit CWideText(const char* text) : m_isNull(text == nullptr), m_valid(true), m_text()
    {
        if (text != nullptr)
            m_valid = ::MultiByteToWideChar(CP_ACP, 0, text, -1, m_text, kLength) != 0;
    }
    bool IsValid() const { return m_valid; }
    const wchar_t* Get() const { return m_isNull ? nullptr : m_text; }

private:
    static const int kLength = 64;
    bool m_isNull;
    bool m_valid;
    wchar_t m_text[kLength];
};

// What writing one entry found before it: whether its key is new, and what its value held.
struct PriorState
{
    bool keyCreated = false;
    CPriorValue value;
};

LONG WriteEntry(const RegistrationEntry& entry, const wchar_t* modulePath, PriorState& prior)
{
    CScopedKey key;
    DWORD disposition = 0;
    LONG result = ::RegCreateKeyExA(entry.root, entry.subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key.Receive(),
                                    &disposition);
    if (result != ERROR_SUCCESS)
        return result;
    prior.keyCreated = disposition == REG_CREATED_NEW_KEY;
    const CWideText name(entry.valueName);
    const CWideText text(entry.text);
    if (!name.IsValid() || !text.IsValid())
        return ERROR_INVALID_PARAMETER;
    result = prior.value.Read(key.Get(), name.Get());
    if (result != ERROR_SUCCESS)
        return result;
    if (entry.type == REG_DWORD) {
        return ::RegSetValueExW(key.Get(), name.Get(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&entry.number), sizeof(DWORD));
    }
    const wchar_t* data = entry.text != nullptr ? text.Get() : modulePath;
    return ::RegSetValueExW(key.Get(), name.Get(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                            static_cast<DWORD>((wcslen(data) + 1) * sizeof(wchar_t)));
}

// Puts back what writing the entry changed: a key it created goes, with the values written into
// it; a value of a key that was there gets its old data back, or goes when it was not there.
void TakeBack(const RegistrationEntry& entry, const PriorState& prior)
{
    if (prior.keyCreated) {
        ::RegDeleteKeyA(entry.root, entry.subKey);
        return;
    }
    CScopedKey key;
    if (::RegOpenKeyExA(entry.root, entry.subKey, 0, KEY_SET_VALUE, key.Receive()) == ERROR_SUCCESS)
        prior.value.Restore(key.Get(), CWideText(entry.valueName).Get());
}

}  // namespace

HRESULT RegisterEntries(const wchar_t* modulePath)
{
    if (modulePath == nullptr || modulePath[0] == L'\0')
        return E_INVALIDARG;
    PriorState prior[kRegistrationEntryCount];
    for (size_t i = 0; i < kRegistrationEntryCount; ++i) {
        const LONG result = WriteEntry(kRegistrationEntries[i], modulePath, prior[i]);
        if (result != ERROR_SUCCESS) {
            // Newest first, the failed entry included (it may have created its key): values
            // before the keys that hold them, children before their parents.
            for (size_t j = i + 1; j-- > 0;)
                TakeBack(kRegistrationEntries[j], prior[j]);
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
