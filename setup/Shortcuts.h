// The settings program's shortcuts on the desktop and in the Programs menu folder "ミレル".
#pragma once

#include "base/String.h"

#include <windows.h>

// Writes one shell link file at linkPath (replacing one that is there). COM must already be
// entered on this thread. Returns the HRESULT of the save, or of the first step that failed;
// a linkPath that does not fit MAX_PATH wide characters fails without saving.
HRESULT CreateLink(const char* linkPath, const char* target, const char* description,
                   const char* arguments, const char* workingDirectory, const char* iconPath,
                   int iconIndex, int showCommand);

// Places the settings program's shortcut, pointing at target, in the special folder csidl:
// straight into it, except for CSIDL_PROGRAMS, where it goes into the subfolder "ミレル".
// Nothing is reported; a folder whose path cannot be had is skipped.
void CreateShortcut(CString target, int csidl);

// Deletes both shortcuts and the Programs subfolder "ミレル" (when it is then empty).
void RemoveShortcuts();
