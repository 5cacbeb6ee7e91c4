// The log of a run without a person: entries appended to a text file, one line each, in UTF-8.
#pragma once

// Appends "YYYY-MM-DD hh:mm:ss<TAB>source<TAB>text" and CR LF, with the local time, to the file
// at path, creating it when missing. source and text are in the system code page; every line
// break of text becomes a blank, so that each entry stays one line. False when the file could
// not be written.
bool AppendLogEntry(const char* path, const char* source, const char* text);
