// The installer mode: the program started as "installer.exe" installs the add-in.
#pragma once

// 0: the program is not the installer, the settings cycle goes on. 1: the installer mode was
// handled (whatever its outcome) or the program's own path could not be read; the program ends.
int RunInstallerIfNamed();

// Replaces an older module, copies every file of the current directory into the installation
// directory (the installer itself as "MirelSetup.exe", with its two shortcuts), and registers
// the add-in. The result of that registration (1: registered), or 0 when the installation was
// given up, the installation directory is unfit, or the current directory cannot be listed.
int InstallFiles();
