// The add-in's COM registration as one table: written by DllRegisterServer, removed by
// DllUnregisterServer, and read by the tests that check the registry.
#pragma once

#include <windows.h>

struct RegistrationEntry
{
    HKEY root;
    const char* subKey;     // parents come before their children
    const char* valueName;  // nullptr: the key's default value
    DWORD type;             // REG_SZ or REG_DWORD
    const char* text;       // REG_SZ data; nullptr stands for the registering module's own path
    DWORD number;           // REG_DWORD data
};

extern const RegistrationEntry kRegistrationEntries[];
extern const size_t kRegistrationEntryCount;

// Writes every entry, the module's path where the table asks for it, exactly as given (wide, so
// that a path the code page cannot hold is not registered as another file's). On a failure
// what this call changed is put back as it was, keys it created are removed, and the failure is
// returned: a registration is made whole or not at all, and an earlier one stays as it was.
HRESULT RegisterEntries(const wchar_t* modulePath);

// Deletes the keys of the table, children first. A key that is already gone counts as removed.
HRESULT UnregisterEntries();
