// The four functions Mirel.DLL exports to the settings program.
#include "support/Mirel.h"

#include "framework/ScopedHandles.h"
#include "support/InstallDir.h"
#include "support/RecordFields.h"
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
    if (data == nullptr)
        return FALSE;
    CScopedKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_QUERY_VALUE, key.Receive()) !=
        ERROR_SUCCESS)
        return FALSE;
    ReadSettings(key.Get(), *data);
    return TRUE;
}

BOOL __cdecl SaveCommonData(const CommonData* data)
{
    if (data == nullptr)
        return FALSE;
    CScopedKey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        return FALSE;
    return WriteSettings(key.Get(), *data);
}

}  // extern "C"
