// Control access for the settings pages: each operation looks one control up on a page and
// sends it one message.
#pragma once

#include "base/String.h"
#include "framework/Wnd.h"

int GetItemCheck(const CWnd* page, int controlId);
// The selected item's index, or -1 (CB_ERR) when the list has no selection.
int GetItemCurSel(const CWnd* page, int controlId);
CString GetItemText(const CWnd* page, int controlId);
void SetItemCheck(const CWnd* page, int controlId, int state);
// An index outside the list leaves it without a selection.
void SetItemCurSel(const CWnd* page, int controlId, int index);
void SetItemText(const CWnd* page, int controlId, CString text);
