// Where the add-in is installed: a folder of its own under Program Files.
#pragma once

#include "base/String.h"

// The installation directory: absolute, without a trailing backslash. Empty when the shell
// cannot say where Program Files is, or only in a form the code page cannot hold exactly.
CString InstallationDirectory();

// programFiles joined with the add-in's folder name; an empty result when programFiles is not
// an absolute path. A trailing backslash of programFiles (a drive root) is not doubled.
CString InstallationDirectoryUnder(const char* programFiles);
