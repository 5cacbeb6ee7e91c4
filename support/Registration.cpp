// The add-in's COM registration as one table: written by DllRegisterServer, removed by
// DllUnregisterServer.
#include "support/Registration.h"

#include "framework/RegistryKey.h"
#include "support/AddInClsid.h"

#include <stdlib.h>

namespace {

struct RegistrationEntry
{
    HKEY root;
    const char* subKey;     // parents come before their children
    const char* valueName;  // nullptr: the key's default value
    DWORD type;             // REG_SZ or REG_DWORD
    const char* text;       // REG_SZ data; nullptr stands for the registering module's own path
    DWORD number;           // REG_DWORD data
};

// Machine-wide: the browser reads its helper objects from HKLM, and every user gets the add-in.
#define CLSID_KEY "Software\\Classes\\CLSID\\" MIREL_ADDIN_CLSID_TEXT
#define HELPER_KEY                                                                                 \
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\" MIREL_ADDIN_CLSID_TEXT

const RegistrationEntry kRegistrationEntries[] = {
    {HKEY_LOCAL_MACHINE, CLSID_KEY, nullptr, REG_SZ, "Mirel", 0},
    {HKEY_LOCAL_MACHINE, CLSID_KEY "\\InprocServer32", nullptr, REG_SZ, nullptr, 0},
    {HKEY_LOCAL_MACHINE, CLSID_KEY "\\InprocServer32", "ThreadingModel", REG_SZ, "Apartment", 0},
    // Explorer would load a helper object too; the add-in only belongs in the browser.
    {HKEY_LOCAL_MACHINE, HELPER_KEY, "NoExplorer", REG_DWORD, nullptr, 1},
};
const size_t kRegistrationEntryCount =
    sizeof(kRegistrationEntries) / sizeof(kRegistrationEntries[0]);

// A value as it was before the registration wrote it, to be put back when the registration fails
// half way: as stored, so that text comes back exactly as it was.
class CPriorValue
{
public:
    CPriorValue() : m_known(false), m_existed(false), m_type(0), m_data(nullptr), m_size(0) {}
    ~CPriorValue() { free(m_data); }
    CPriorValue(const CPriorValue&) = delete;
    CPriorValue& operator=(const CPriorValue&) = delete;

    // Takes what name holds in key now. An error when it cannot be read: then nothing may be
    // written over it either.
    LONG Read(const CRegistryKey& key, const char* name)
    {
        DWORD size = 0;
        LONG result = key.QueryRaw(name, nullptr, nullptr, &size);
        if (result == ERROR_FILE_NOT_FOUND) {
            m_known = true;
            return ERROR_SUCCESS;
        }
        if (result != ERROR_SUCCESS)
            return result;
        m_data = static_cast<BYTE*>(malloc(size > 0 ? size : 1));
        if (m_data == nullptr)
            return ERROR_NOT_ENOUGH_MEMORY;
        result = key.QueryRaw(name, &m_type, m_data, &size);
        if (result != ERROR_SUCCESS)
            return result;  // changed in between: not known, so not to be written over
        m_size = size;
        m_known = m_existed = true;
        return ERROR_SUCCESS;
    }

    // Writes the value back as it was read, or deletes it when there was none. Nothing when it
    // was never read.
    void Restore(CRegistryKey& key, const char* name) const
    {
        if (!m_known)
            return;
        if (m_existed)
            key.SetRaw(name, m_type, m_data, m_size);
        else
            key.DeleteValue(name);
    }

private:
    bool m_known;
    bool m_existed;
    DWORD m_type;
    BYTE* m_data;
    DWORD m_size;
};

// What writing one entry found before it: whether its key is new, and what its value held.
struct PriorState
{
    bool keyCreated = false;
    CPriorValue value;
};

LONG WriteEntry(const RegistrationEntry& entry, const wchar_t* modulePath, PriorState& prior)
{
    CRegistryKey key;
    LONG result =
        key.Create(entry.root, entry.subKey, KEY_QUERY_VALUE | KEY_SET_VALUE, &prior.keyCreated);
    if (result != ERROR_SUCCESS)
        return result;
    result = prior.value.Read(key, entry.valueName);
    if (result != ERROR_SUCCESS)
        return result;
    if (entry.type == REG_DWORD)
        return key.SetNumber(entry.valueName, entry.number);
    if (entry.text == nullptr)
        return key.SetWideText(entry.valueName, modulePath);
    return key.SetText(entry.valueName, entry.text);
}

// Puts back what writing the entry changed: a key it created goes, with the values written into
// it; a value of a key that was there gets its old data back, or goes when it was not there.
void TakeBack(const RegistrationEntry& entry, const PriorState& prior)
{
    if (prior.keyCreated) {
        CRegistryKey::DeleteKey(entry.root, entry.subKey);
        return;
    }
    CRegistryKey key;
    if (key.Open(entry.root, entry.subKey, KEY_SET_VALUE) == ERROR_SUCCESS)
        prior.value.Restore(key, entry.valueName);
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
        const LONG result = CRegistryKey::DeleteKey(entry.root, entry.subKey);
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND && SUCCEEDED(hr))
            hr = HRESULT_FROM_WIN32(result);
    }
    return hr;
}
