// How much of Mirel.DLL is in use: live objects and server locks, for DllCanUnloadNow.
#pragma once

#include <windows.h>

// Every live COM object of the module holds one, from creation to its last Release.
void ModuleObjectCreated();
void ModuleObjectDestroyed();

// IClassFactory::LockServer(TRUE/FALSE), and each reference a client holds on the class object.
void ModuleLock();
void ModuleUnlock();

// True when no object lives and no lock is held: the module may be unloaded.
bool ModuleIsUnused();
