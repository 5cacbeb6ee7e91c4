// Replacing and deleting files in the add-in's own installation directory.
#pragma once

#include "base/String.h"

#include <windows.h>

// A read-only attribute (a distribution copied from a CD keeps it, as may a user) must not keep
// a later installation from replacing a file or the uninstaller from deleting it: in the
// add-in's own folder these clear it first.

// Copies source over destination; the copy itself is left writable. What stands at destination
// is replaced, never written through: a link there goes, and the file it points to stays as it
// was. False when it failed.
bool ReplaceInstalledFile(const char* source, const char* destination);

// Deletes the file; false when it is still there (held open, for instance).
bool DeleteInstalledFile(const char* path);

// A new file in directory under a name nobody chose before it, opened for writing with the
// extra flags given; path receives the name. A name taken already, by a link as much as by a
// file, is passed over, never opened. INVALID_HANDLE_VALUE when no such file could be made.
HANDLE CreateUniqueFile(const char* directory, DWORD flags, CString& path);

// True for a junction, a symbolic link or any other reparse point: such a folder is a way into
// another one.
bool IsLinkOrJunction(const char* path);
