// The settings program's shortcuts on the desktop and in the Programs menu folder "ミレル", in
// the folders every user of the machine shares.
#pragma once

#include "base/String.h"
#include "setup/NameReport.h"

#include <windows.h>

// Places the settings program's shortcut, pointing at target, in the special folder csidl:
// straight into it, except for the Programs menus (CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS), where
// it goes into the subfolder "ミレル". S_OK when the link was saved; otherwise why it was not
// (a folder whose path cannot be had, or cannot be held exactly, fails too). linkPath receives
// the link's path as far as it is known, to name it to the user.
HRESULT CreateShortcut(CString target, int csidl, CString& linkPath);

// Deletes both shortcuts and the Programs subfolder "ミレル" (when it is then empty) from the
// folders all users share, and the current user's own ones that earlier releases made there. A
// link that stays is named in left; true when none stayed.
bool RemoveShortcuts(CNameReport& left);
