// The four functions Mirel.DLL exports to the settings program.
#include "support/Mirel.h"

#include "support/InstallDir.h"
#include "support/SettingsStore.h"

extern "C" {

CString __cdecl GetMirelDir()
{
    return InstallationDirectory();
}

CString __cdecl StrFormat(const char* format, ...)
{
    CString text;
    va_list args;
    va_start(args, format);
    text.FormatV(format, args);
    va_end(args);
    return text;
}

BOOL __cdecl LoadCommonData(CommonData* data)
{
    return data != nullptr && LoadSettings(*data);
}

BOOL __cdecl SaveCommonData(const CommonData* data)
{
    return data != nullptr && SaveSettings(*data);
}

}  // extern "C"
