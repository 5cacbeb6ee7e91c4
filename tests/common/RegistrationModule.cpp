// A stand-in add-in module for the registration tests: both entry points return the HRESULT
// chosen at build time.
#include <windows.h>

STDAPI DllRegisterServer()
{
    return MODULE_RESULT;
}

STDAPI DllUnregisterServer()
{
    return MODULE_RESULT;
}
