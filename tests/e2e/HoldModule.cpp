// hold_module.exe <path>: loads the module at path as a browser holds the add-in, signals the
// event "MirelTestModuleHeld", and keeps it until "MirelTestModuleRelease" is signalled (or a
// minute has passed, so it can never outlive a failed test for long).
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    HMODULE module = ::LoadLibraryA(argv[1]);
    if (module == nullptr)
        return 1;
    HANDLE held = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, "MirelTestModuleHeld");
    HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, "MirelTestModuleRelease");
    if (held == nullptr || release == nullptr)
        return 3;
    ::SetEvent(held);
    ::WaitForSingleObject(release, 60000);
    ::FreeLibrary(module);
    return 0;
}
