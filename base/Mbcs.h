// Double-byte character helpers in the system ANSI code page (code page 932 on the target).
#pragma once

#include <stddef.h>

// True when c begins a double-byte character. On Windows this asks the system code page;
// the native build, which has no such notion, uses the rules of code page 932.
bool IsLeadByte(unsigned char c);

// Bytes taken by the character that starts at p: 2 for a complete double-byte character,
// otherwise 1 (a lead byte followed by the terminator counts alone).
inline size_t CharLength(const char* p)
{
    return (IsLeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0') ? 2 : 1;
}

// Index of the first occurrence of the single-byte character ch in text that stands as a whole
// character, or -1.
int FindFirstChar(const char* text, char ch);

// Index of the last occurrence of the single-byte character ch in text that stands as a
// whole character (never the trail byte of a double-byte character), or -1.
int FindLastChar(const char* text, char ch);

// Compares two names ignoring the case of ASCII letters; double-byte characters compare
// byte for byte, so a trail byte that looks like a letter is never folded.
// Returns 0 when equal, otherwise <0 or >0 as strcmp would.
int CompareNamesIgnoreCase(const char* a, const char* b);
