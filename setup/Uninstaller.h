// Removing the add-in from the machine, from the Main page of the settings sheet or from
// Windows' list of installed programs.
#pragma once

#include "setup/SetupOutcome.h"

// Unregisters the add-in, removes the shortcuts, the entry among the installed programs and the
// installation directory, and reports what happened (the completion message only when all of it
// is gone or left to the restart). Asks nothing. Done when all of it is gone now,
// DoneAfterRestart when files in use wait for the restart, Failed otherwise.
SetupOutcome RemoveAddIn();

// Asks first; when the user confirms, unregisters the add-in, removes the shortcuts, the entry
// among the installed programs and the installation directory, reports what happened (the
// completion message only when all of it is gone or left to the restart), and ends the process
// with exit code -1 (never returning). Returns only when the user declines.
void Uninstall();
