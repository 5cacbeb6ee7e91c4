// The installer mode: the program started as "installer.exe" installs the add-in.
#pragma once

#include "setup/SetupOutcome.h"

// False: the program is not the installer, the settings cycle goes on. True: the installer mode
// was handled, with how it ended in outcome (Done only after the success message), or the
// program's own path could not be read (Failed); the program ends.
bool RunInstallerIfNamed(SetupOutcome& outcome);

// Replaces an older module, copies every file of the folder source into the installation
// directory (the installer itself as "MirelSetup.exe", with its two shortcuts), registers the
// add-in and lists it among the installed programs. Done when all of that succeeded; Failed when
// anything failed or the user gave up, which has then been reported.
SetupOutcome InstallFiles(const char* source);
