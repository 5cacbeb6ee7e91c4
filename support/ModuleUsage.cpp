// How much of Mirel.DLL is in use: live objects and server locks, for DllCanUnloadNow.
#include "support/ModuleUsage.h"

namespace {
// The browser may create and release objects on several threads.
volatile LONG objectCount = 0;
volatile LONG lockCount = 0;
}  // namespace

void ModuleObjectCreated()
{
    ::InterlockedIncrement(&objectCount);
}

void ModuleObjectDestroyed()
{
    ::InterlockedDecrement(&objectCount);
}

void ModuleLock()
{
    ::InterlockedIncrement(&lockCount);
}

void ModuleUnlock()
{
    ::InterlockedDecrement(&lockCount);
}

bool ModuleIsUnused()
{
    return objectCount == 0 && lockCount == 0;
}
