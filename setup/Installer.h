// The installer mode: the program started as "installer.exe" installs the add-in.
#pragma once

// 0: the program is not the installer, the settings cycle goes on. 1: the installer mode was
// handled (whatever its outcome) or the program's own path could not be read; the program ends.
int RunInstallerIfNamed();

// Replaces an older module, copies every file of the folder source into the installation
// directory (the installer itself as "MirelSetup.exe", with its two shortcuts), registers the
// add-in and lists it among the installed programs. 1 when all of that succeeded; 0 when
// anything failed or the user gave up, which has then been reported.
int InstallFiles(const char* source);
