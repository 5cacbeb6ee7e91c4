// The add-in's COM registration as one table: written by DllRegisterServer, removed by
// DllUnregisterServer.
#pragma once

#include <windows.h>

// Writes every entry of the table, the module's path where the table asks for it, exactly as
// given (wide, so that a path the code page cannot hold is not registered as another file's). On
// a failure what this call changed is put back as it was, keys it created are removed, and the
// failure is returned: a registration is made whole or not at all, and an earlier one stays as it
// was.
HRESULT RegisterEntries(const wchar_t* modulePath);

// Deletes the keys of the table, children first. A key that is already gone counts as removed.
HRESULT UnregisterEntries();
