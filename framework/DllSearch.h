// Where the program looks for DLLs it loads at run time.
#pragma once

#include <windows.h>

// From now on, DLLs loaded by name come from the system folder only, never from the program's
// folder or the current directory: a program is often started from a folder (a download folder,
// say) where anybody may have left a DLL named like a system one. Modules loaded by full path
// are unaffected. Run before anything loads a DLL by name; what the program imports at load time
// is the loader's business, before any of this runs.
void RestrictDllSearchToSystemFolder();

// Before the program's first window of any kind (a message box too): the DLLs the system's window
// code loads by name, loaded from the system folder. Done once; an unattended run, which shows no
// window, never pays for them.
void LoadWindowingDllsFromSystemFolder();

// The common controls' PropertySheetA, loaded on first use (after the restriction above, which
// is why the program does not import it at load time); -1, as a failed sheet, when unavailable.
INT_PTR CommonControlsPropertySheet(const void* header);
