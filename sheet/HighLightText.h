// The clean-up the highlight strings get before they are stored.
#pragma once

#include "base/String.h"

// Removes every run of ASCII blanks and ideographic spaces (0x81 0x40 in code page 932), in
// any mix, that stands directly before a CR LF. Nothing else changes: blanks at the start of a
// line, tabs, empty lines, the CR LF themselves and blanks at the end of a last line without
// CR LF all stay. The text is read character by character, so the trail byte 0x81 of a
// double-byte character (as in "メ", 0x83 0x81) never starts an ideographic space.
CString RemoveBlanksBeforeLineEnds(const char* text);
