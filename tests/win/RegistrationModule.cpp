// A stand-in add-in module for the registration tests: its entry points return the HRESULT
// chosen at build time and leave the name of the one called in the process environment, which
// outlives the module's unloading.
#include <windows.h>

#ifndef MODULE_RESULT
#error "MODULE_RESULT names the HRESULT the entry points return"
#endif

STDAPI DllRegisterServer()
{
    ::SetEnvironmentVariableA("MIREL_TEST_MODULE_CALL", "DllRegisterServer");
    return MODULE_RESULT;
}

STDAPI DllUnregisterServer()
{
    ::SetEnvironmentVariableA("MIREL_TEST_MODULE_CALL", "DllUnregisterServer");
    return MODULE_RESULT;
}
