// A loadable module that is no COM server: it exports neither registration entry point.
#include <windows.h>

extern "C" __declspec(dllexport) int NotARegistrationEntryPoint()
{
    return 0;
}
