// A function of a loaded module, looked up by name, as the type its caller declares.
#pragma once

#include <windows.h>

// Null when the module has no such function. The cast goes through void*: FARPROC's own type
// matches no real entry point, and the compiler warns of a direct cast on 64-bit Windows.
template <class Function>
Function ProcAddress(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}
