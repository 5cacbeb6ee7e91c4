// Opening an address through the user's own desktop shell, so that whatever it starts runs as the
// user even when this program runs with an administrator's rights.
#pragma once

// Hands address (multi-byte text of the system code page) to the desktop shell's process to open
// with the verb "open", shown normally. False when no desktop shell runs or it cannot be reached;
// the caller then opens the address itself. Needs COM entered on the calling thread.
bool OpenWithDesktopShell(const char* address);
