// Switching the add-in on and off: Mirel.DLL in the installation directory, loaded at run time,
// runs its own COM registration.
#pragma once

#include <windows.h>

// Registers the add-in. 1 when the module was loaded and its registration succeeded, else 0.
// A failure is always reported; the success message only when bShow is nonzero.
int RegisterAddIn(BOOL bShow);

// Unregisters the add-in, with the same results and messages as RegisterAddIn.
int UnregisterAddIn(BOOL bShow);

// Removes the add-in's registration for the uninstaller, silently. An installed module that is
// missing, damaged or of another build cannot remove it; the Mirel.DLL this program has loaded,
// of the same build, can: its table names every key. True when the registration is gone.
bool RemoveAddInRegistration();

// Unregisters the module of an earlier installation before an upgrade replaces it. Only a module
// that cannot be loaded is reported: an old module that was never registered, say, refuses its
// unregistration, and that must neither stop nor alarm the upgrade.
void UnregisterOldAddIn();
