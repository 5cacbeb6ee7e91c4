// Removing the add-in from the machine, from the Main page of the settings sheet.
#pragma once

// Asks first; when the user confirms, unregisters the add-in, removes the shortcuts and the
// installation directory, reports, and ends the process with exit code -1 (never returning).
// Returns only when the user declines.
void Uninstall();
