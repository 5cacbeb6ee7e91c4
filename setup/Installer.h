// The installer mode: the program started as "installer.exe" installs the add-in.
#pragma once

// 0: the program is not the installer, the settings cycle goes on. 1: the installer mode was
// handled (whatever its outcome) or the program's own path could not be read; the program ends.
int RunInstallerIfNamed();
