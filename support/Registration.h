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

// Writes every entry, the module's path where the table asks for it. On a failure whatever was
// written is removed again and the failure is returned: the add-in is registered whole or not
// at all.
HRESULT RegisterEntries(const char* modulePath);

// Deletes the keys of the table, children first. A key that is already gone counts as removed.
HRESULT UnregisterEntries();
