// planted.dll: stands for a DLL somebody left in a download folder under a system DLL's name.
// Loaded, it writes the file MIREL_PLANT_MARKER names, then refuses to stay.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    char marker[MAX_PATH] = {};
    if (::GetEnvironmentVariableA("MIREL_PLANT_MARKER", marker, MAX_PATH) > 0) {
        HANDLE file = ::CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            ::CloseHandle(file);
    }
    return FALSE;
}
