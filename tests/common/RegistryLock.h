// Locks a registry key the way a user without the right to write it sees it.
#pragma once

#include <windows.h>

// Everybody may read the key, change its permissions and delete it, but nobody may write its
// values or create keys below it. The result of RegSetKeySecurity.
LONG DenyWritingToKey(HKEY key);
// The same for the key name under root, made when missing; throws when it cannot.
void DenyWritingToKey(HKEY root, const char* name);
