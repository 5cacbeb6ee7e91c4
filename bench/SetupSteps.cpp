// Times the steps an installation takes besides copying files, in a fresh process as the
// installer meets them: the two shortcuts (the first one enters COM and starts the shell's link
// code), the registration, and the undoing of both that the uninstaller does.
//   SetupSteps OUTPUT-FILE                 writes one "step seconds" line per step; the add-in
//                                          must be installed (Mirel.DLL in the installation
//                                          directory)
//   SetupSteps OUTPUT-FILE one-apartment   times only the two shortcuts, made while the thread
//                                          stays in one COM apartment for both
#include "framework/ScopedHandles.h"
#include "framework/WinApp.h"
#include "setup/AddInRegistration.h"
#include "setup/Shortcuts.h"
#include "support/Mirel.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>

namespace {

// No box may wait for a user here: a failure is remembered and makes the exit code non-zero.
class CQuietApp : public CWinApp
{
public:
    int DoMessageBox(const char*, UINT, UINT) override
    {
        failed = true;
        return IDOK;
    }
    bool failed = false;
};

CQuietApp app;

double Seconds()
{
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Both shortcuts while the thread holds COM: each CreateShortcut's own entry then only counts
// up, and the apartment with the shell's link code stays between them.
int TimeOneApartment(const char* output, const CString& target)
{
    const double start = Seconds();
    {
        CScopedComInit com;
        CString link;
        CreateShortcut(target, CSIDL_COMMON_DESKTOPDIRECTORY, link);
        CreateShortcut(target, CSIDL_COMMON_PROGRAMS, link);
    }
    const double seconds = Seconds() - start;
    FILE* out = std::fopen(output, "w");
    if (out == nullptr)
        return 1;
    std::fprintf(out, "shortcuts-one-apartment %.6f\n", seconds);
    std::fclose(out);
    return app.failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "one-apartment") == 0))
        return 2;
    const CString target = StrFormat("%s\\MirelSetup.exe", static_cast<const char*>(GetMirelDir()));
    if (argc == 3)
        return TimeOneApartment(argv[1], target);
    double times[5];
    CString link;
    double start = Seconds();
    CreateShortcut(target, CSIDL_COMMON_DESKTOPDIRECTORY, link);
    times[0] = Seconds() - start;
    start = Seconds();
    CreateShortcut(target, CSIDL_COMMON_PROGRAMS, link);
    times[1] = Seconds() - start;
    start = Seconds();
    RegisterAddIn(FALSE);
    times[2] = Seconds() - start;
    start = Seconds();
    UnregisterAddIn(FALSE);
    times[3] = Seconds() - start;
    start = Seconds();
    CNameReport left;
    RemoveShortcuts(left);
    times[4] = Seconds() - start;

    FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr)
        return 1;
    std::fprintf(out,
                 "desktop-shortcut %.6f\nprograms-shortcut %.6f\nregister %.6f\nunregister %.6f\n"
                 "remove-shortcuts %.6f\n",
                 times[0], times[1], times[2], times[3], times[4]);
    std::fclose(out);
    return app.failed ? 1 : 0;
}
