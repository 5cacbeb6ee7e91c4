// Where the program looks for DLLs it loads at run time.
#pragma once

#include <windows.h>

// From now on, DLLs loaded by name come from the system folder only, never from the program's
// folder or the current directory: the installer is typically started from a download folder,
// where anybody may have left a DLL named like a system one. Modules loaded by full path (the
// add-in's own) are unaffected. Run before anything loads a DLL by name: the program imports at
// load time only DLLs the system always takes from its own folder, and MIREL.DLL.
void RestrictDllSearchToSystemFolder();

// The common controls' PropertySheetA, loaded on first use (after the restriction above, which
// is why the program does not import it at load time); -1, as a failed sheet, when unavailable.
INT_PTR CommonControlsPropertySheet(const void* header);
