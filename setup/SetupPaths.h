// The setup's decisions about names and paths, free of the platform so they are tested natively.
// Paths are multi-byte text in the system code page; separators are searched whole-character,
// so the trail byte 0x5C of a character like "表" is never taken for a backslash.
#pragma once

#include "base/String.h"

// The name the installer gives its own copy, the settings program: "MirelSetup.exe".
extern const char kInstalledProgramName[];

// True for "installer.exe" in any letter case; "installer.exe.bak" and the like are not.
bool IsInstallerName(const char* fileName);

// True when the last part of path (after its last backslash or slash) is "installer.exe" in
// any case of its ASCII letters. Wide, so that the program knows its mode whatever the system
// code page can make of the folders above it.
bool IsInstallerPath(const wchar_t* path);

// True for a name that names one entry of a folder and nothing else, exactly as it reads: not
// empty, not "." or "..", without "\\", "/", ":", "*", "?", "<", ">", "\"", "|" or a control
// character as a whole character (a trail byte 0x5C, as in "表", is part of its character), not
// ending in a dot or blank, and not a device name (CON, PRN, AUX, NUL, COM0-9, LPT0-9 in any
// case, with or without an extension). Any other name could reach outside the folder, or the
// ANSI file calls would turn it into another file or a device.
bool IsPlainEntryName(const char* name);

// What the command line asks of the setup.
struct SetupSwitches
{
    bool uninstall;   // "/uninstall": the removal, without the settings sheet
    bool quiet;       // "/quiet": no window; the outcome goes to the exit status
    CString logFile;  // "/log=<file>": where the texts of the boxes go; empty for none
};

// The switches among the arguments after the program's own path, in any letter case and any
// order; the last "/log=" counts, other arguments are ignored. Arguments are separated by blanks;
// a double quote begins or ends a stretch whose blanks belong to the argument, and is itself
// dropped, so "/log=C:\My logs\setup.log" and /log="C:\My logs\setup.log" name the same file.
SetupSwitches ReadSetupSwitches(const char* commandLine);

// The working directory of a shortcut to target: target up to its last backslash, or the whole
// target when it has none.
CString WorkingDirectoryOf(const char* target);

// True when directory is fit to be filled by the installer and emptied by the uninstaller: an
// absolute path naming a folder below a drive or share root, whose parts are real names (none
// empty, none ending in a dot or blank: "..", "..." or "Mirel." would name another folder). An
// empty, relative or root path would have them copy into or delete from a folder that is not the
// add-in's own.
bool IsUsableInstallationDirectory(const char* directory);
