// Where the program looks for DLLs it loads at run time.
#include "framework/DllSearch.h"

#include "base/String.h"
#include "framework/ProcAddress.h"

#include <windows.h>

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace {

// DLLs the system's window code loads by name with the first window (the visual styles and what
// those import). That loading does not always honour the default DLL directories (measured under
// Wine), so they are loaded here from the system folder first, dependencies before dependants;
// a later load by name then finds them loaded. They stay for the life of the process, as they
// would anyway.
const char* const kWindowingDependencies[] = {"msimg32.dll", "uxtheme.dll"};

void LoadFromSystemFolder(const char* name)
{
    char folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    CString path(folder);
    path += "\\";
    path += name;
    // Its own dependencies from the system folder too, where the flag is known.
    if (::LoadLibraryExA(path, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32) == nullptr)
        ::LoadLibraryA(path);
}

}  // namespace

void RestrictDllSearchToSystemFolder()
{
    // SetDefaultDllDirectories came with Windows 8 (and an update of Windows 7): looked up, so
    // that the program still starts where it is missing.
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFunction)(DWORD);
    const SetDefaultDllDirectoriesFunction setDefaultDllDirectories =
        ProcAddress<SetDefaultDllDirectoriesFunction>(::GetModuleHandleA("kernel32.dll"),
                                                      "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Where it is missing, at least the current directory leaves the search.
    ::SetDllDirectoryA("");
}

void LoadWindowingDllsFromSystemFolder()
{
    // Once, on the program's one window thread.
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    for (const char* name : kWindowingDependencies)
        LoadFromSystemFolder(name);
}

INT_PTR CommonControlsPropertySheet(const void* header)
{
    LoadWindowingDllsFromSystemFolder();
    // By name: the program's manifest makes this the version 6 common controls. Loaded for the
    // life of the process, like the visual styles it brings.
    static HMODULE commonControls = ::LoadLibraryA("comctl32.dll");
    typedef INT_PTR(WINAPI * PropertySheetFunction)(const void*);
    const PropertySheetFunction propertySheet =
        commonControls == nullptr
            ? nullptr
            : ProcAddress<PropertySheetFunction>(commonControls, "PropertySheetA");
    return propertySheet != nullptr ? propertySheet(header) : -1;
}
