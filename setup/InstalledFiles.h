// Replacing and deleting files in the add-in's own installation directory.
#pragma once

// A read-only attribute (a distribution copied from a CD keeps it, as may a user) must not keep
// a later installation from replacing a file or the uninstaller from deleting it: in the
// add-in's own folder these clear it first.

// Copies source over destination; the copy itself is left writable. False when it failed.
bool ReplaceInstalledFile(const char* source, const char* destination);

// Deletes the file; false when it is still there (held open, for instance).
bool DeleteInstalledFile(const char* path);
