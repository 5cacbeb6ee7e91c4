// Platform-free reading of Windows path text in the system code page.
#pragma once

#include "base/String.h"

// True when the last whole character of path is a backslash; a double-byte character whose
// trail byte is 0x5C (as in "表") is not a separator.
bool EndsWithBackslash(const char* path);

// folder and name joined with one backslash: "C:\dir" and "x" give "C:\dir\x".
CString JoinPath(const char* folder, const char* name);

// True for "X:\..." and for "\\server\share...": a path that names its own root.
bool IsAbsolutePath(const char* path);
