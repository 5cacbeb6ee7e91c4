// Opening an address through the user's own desktop shell, so that whatever it starts runs as the
// user even when this program runs with an administrator's rights.
#pragma once

#include <windows.h>

// The one decision who opens an address: the desktop shell or this process, whichever claims it
// first; the other then leaves it alone. Shared between threads; each side claims at most once.
class COpeningClaim
{
public:
    COpeningClaim() : m_owner(kNobody) {}
    COpeningClaim(const COpeningClaim&) = delete;
    COpeningClaim& operator=(const COpeningClaim&) = delete;

    bool ForDesktopShell() { return Claim(kDesktopShell); }
    bool ForThisProcess() { return Claim(kThisProcess); }

private:
    enum : LONG { kNobody, kDesktopShell, kThisProcess };
    bool Claim(LONG owner)
    {
        return ::InterlockedCompareExchange(&m_owner, owner, kNobody) == kNobody;
    }

    volatile LONG m_owner;
};

// Hands address (multi-byte text of the system code page) to the desktop shell's process to open
// with the verb "open", shown normally, once it has the claim for the desktop shell. Until then
// it only looks for the shell, so a failure on the way leaves the address to this process. True
// when the shell took the address and reported success. Needs COM entered on the calling
// thread; blocks as long as the desktop shell takes to answer, which may be for ever.
bool HandOverToDesktopShell(const char* address, COpeningClaim& claim);

// Whether this process runs with more rights than its user's desktop shell, so that a browser
// started from it would too. True also when the token cannot tell: the hand-over is never wrong,
// opening from here might be.
bool RunsElevated();
