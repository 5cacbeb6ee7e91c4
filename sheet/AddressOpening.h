// Opening an address away from the window's thread: a click on a link returns at once, whether
// the desktop shell takes the address at once, late or never.
#pragma once

#include <windows.h>

class COpeningClaim;

// How an address is opened. The program uses its own ways; tests put stand-ins in their place.
struct AddressOpeningWays
{
    bool (*runsElevated)();
    // Looks for the desktop shell and hands it the address once it holds the claim.
    bool (*handOverToDesktopShell)(const char* address, COpeningClaim& claim);
    // Opens the address from this process.
    void (*openHere)(const char* address);
    // How long the desktop shell may take to be found before this process opens the address.
    DWORD handOverDeadlineMs;
};

// Opens address (multi-byte text of the system code page) on threads of its own and returns at
// once. Never both the desktop shell and this process open it: a process that runs as its user
// opens it itself; an elevated one hands it to the desktop shell and opens it itself only when
// the shell cannot be found, or is not found before the deadline.
void OpenAddress(const char* address);

// Waits until every address given to OpenAddress has been opened or handed over, at most
// timeoutMs; false when some still are not. A desktop shell that never returns from taking an
// address is not waited for.
bool WaitForOpeningsUnderWay(DWORD timeoutMs);

// Puts ways in place for the openings that start from now on; returns the ways used so far.
AddressOpeningWays ReplaceAddressOpeningWays(const AddressOpeningWays& ways);
