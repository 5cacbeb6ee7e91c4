// The link label: a static text control whose text is an address, drawn blue, showing the hand
// cursor, and opening its address with the user's shell when clicked.
#pragma once

#include <windows.h>

namespace LinkLabel {

// Sets blue text when control is the label; returns the dialog's own brush unchanged.
HBRUSH Colour(HWND dialog, HDC dc, HWND control, HBRUSH dialogBrush);

// Shows the hand cursor when the pointer is over the label; false anywhere else.
bool SetCursorOver(HWND dialog, HWND window);

// Opens the label's current text as the user would (see OpenAddress); returns at once.
void Open(HWND dialog);

}  // namespace LinkLabel
