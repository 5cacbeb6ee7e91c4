// Opening an address away from the window's thread: a click on a link returns at once, whether
// the desktop shell takes the address at once, late or never.
#include "sheet/AddressOpening.h"

#include "base/String.h"
#include "framework/ScopedHandles.h"
#include "sheet/DesktopShell.h"

#include <shellapi.h>

namespace {

// Found in a few milliseconds when the desktop shell answers; a user waits this long for the
// browser only when it does not.
const DWORD kHandOverDeadlineMs = 3000;
// At the program's end: the deadline, and a moment for opening the address from here.
const DWORD kWaitAtExitMs = kHandOverDeadlineMs + 2000;

void OpenWithOwnShell(const char* address)
{
    ::ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

// Plain data, set before any thread starts, so no static here needs a guard: the program is
// built without thread-safe statics. Only the window's thread reads or replaces the ways.
AddressOpeningWays currentWays = {&RunsElevated, &HandOverToDesktopShell, &OpenWithOwnShell,
                                  kHandOverDeadlineMs};
volatile LONG openingsUnderWay = 0;

// One click's address, shared by the thread that opens it and the one that hands it to the
// desktop shell; the last of them to finish frees it. Besides it those threads touch only the
// count above, plain data that lasts as long as the process: so either may outlive the window
// and the objects destroyed at the program's end.
struct Opening
{
    Opening(const char* text, const AddressOpeningWays& openingWays)
        : references(1), address(text), ways(openingWays)
    {}

    volatile LONG references;
    const CString address;
    const AddressOpeningWays ways;
    COpeningClaim claim;
};

void Release(Opening* opening)
{
    if (::InterlockedDecrement(&opening->references) == 0)
        delete opening;
}

// Starts routine on a thread of its own, which holds a reference to opening; null when no
// thread could be started.
HANDLE Start(LPTHREAD_START_ROUTINE routine, Opening* opening)
{
    ::InterlockedIncrement(&opening->references);
    const HANDLE thread = ::CreateThread(nullptr, 0, routine, opening, 0, nullptr);
    if (thread == nullptr)
        Release(opening);
    return thread;
}

// Runs in an apartment of its own, as long as the desktop shell takes: possibly for ever.
DWORD WINAPI HandOver(void* parameter)
{
    Opening* const opening = static_cast<Opening*>(parameter);
    {
        CScopedComInit com;
        if (com.Succeeded())
            opening->ways.handOverToDesktopShell(opening->address, opening->claim);
    }
    Release(opening);
    return 0;
}

DWORD WINAPI Open(void* parameter)
{
    Opening* const opening = static_cast<Opening*>(parameter);
    if (opening->ways.runsElevated()) {
        CScopedHandle handOver(Start(&HandOver, opening));
        if (handOver.IsValid())
            ::WaitForSingleObject(handOver.Get(), opening->ways.handOverDeadlineMs);
    }
    // Whatever the hand-over did by now: unless the desktop shell holds the claim, it never will.
    if (opening->claim.ForThisProcess()) {
        CScopedComInit com;  // the shell's own verbs may need it
        opening->ways.openHere(opening->address);
    }
    Release(opening);
    ::InterlockedDecrement(&openingsUnderWay);
    return 0;
}

// The program may end right after a click, with the address not yet opened: it waits for that a
// bounded moment. A hand-over still stuck in the desktop shell then ends with the process.
struct WaitAtExit
{
    ~WaitAtExit() { WaitForOpeningsUnderWay(kWaitAtExitMs); }
} waitAtExit;

}  // namespace

void OpenAddress(const char* address)
{
    Opening* const opening = new Opening(address, currentWays);
    ::InterlockedIncrement(&openingsUnderWay);
    // Without a thread of its own the address is not opened: on this thread a desktop shell
    // that does not answer would hold the window.
    CScopedHandle opener(Start(&Open, opening));
    if (!opener.IsValid())
        ::InterlockedDecrement(&openingsUnderWay);
    Release(opening);
}

bool WaitForOpeningsUnderWay(DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (openingsUnderWay > 0) {
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(10);
    }
    return true;
}

AddressOpeningWays ReplaceAddressOpeningWays(const AddressOpeningWays& ways)
{
    const AddressOpeningWays previous = currentWays;
    currentWays = ways;
    return previous;
}
