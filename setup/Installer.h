// The installer mode: the program started as "installer.exe" installs the add-in.
#pragma once

#include "setup/SetupOutcome.h"

// False: the program is not the installer, the settings cycle goes on. True: the installer mode
// was handled, with how it ended in outcome (Done only after the success message), or the
// program's own path could not be read (Failed); the program ends.
bool RunInstallerIfNamed(SetupOutcome& outcome);
