// The add-in's entry in Windows' list of installed programs ("Apps & features").
#pragma once

// Writes the entry for an installation in directory holding installedBytes of files; on a
// failure nothing of it is left and the result is false.
bool WriteUninstallEntry(const char* directory, unsigned long long installedBytes);

// Deletes the entry; true when it is gone (one that was already gone counts as deleted).
bool RemoveUninstallEntry();

// True when the entry is there.
bool HasUninstallEntry();
