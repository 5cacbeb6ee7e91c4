// Switching the add-in on and off: Mirel.DLL in the installation directory, loaded at run time,
// runs its own COM registration.
#include "setup/AddInRegistration.h"

#include "base/PathText.h"
#include "framework/ProcAddress.h"
#include "framework/ScopedHandles.h"
#include "framework/WinApp.h"
#include "setup/SetupPaths.h"
#include "support/Mirel.h"

namespace {

const char kAddInModuleName[] = "Mirel.DLL";

// What one direction of the registration needs: the entry point and the two messages.
struct RegistrationStep
{
    const char* entryPoint;
    const char* failureMessage;
    const char* successMessage;
};

const RegistrationStep kRegister = {
    "DllRegisterServer",
    "ミレルの登録に失敗しました。",
    "ミレルの登録に成功しました。IEをすべて再起動してください。",
};

const RegistrationStep kUnregister = {
    "DllUnregisterServer",
    "ミレルの取り外し失敗しました。",
    "ミレルの取り外し成功しました。IEをすべて再起動してください。",
};

// Mirel.DLL of the installation directory, loaded by its full path; null when that failed.
HMODULE LoadAddInModule()
{
    // A full path: LoadLibraryA then loads exactly that file, never the copy beside the program
    // that the program itself has loaded.
    const CString directory = GetMirelDir();
    if (!IsUsableInstallationDirectory(directory))
        return nullptr;
    return ::LoadLibraryA(JoinPath(directory, kAddInModuleName));
}

typedef HRESULT(STDAPICALLTYPE* RegistrationEntryPoint)();

enum class Outcome { NotLoaded, Refused, Done };

// Loaded, the entry point found and its HRESULT a success: only then has the add-in changed
// state. A module without the entry point, or one that reports a failure, has not registered
// (or unregistered) anything, and saying otherwise would leave the user with a dead add-in.
Outcome RunEntryPoint(const char* name)
{
    CScopedModule module(LoadAddInModule());
    if (!module.IsValid())
        return Outcome::NotLoaded;
    const RegistrationEntryPoint entryPoint =
        ProcAddress<RegistrationEntryPoint>(module.Get(), name);
    return entryPoint != nullptr && SUCCEEDED(entryPoint()) ? Outcome::Done : Outcome::Refused;
}

// The Mirel.DLL this program imports, found by the address of one of its exports: whatever its
// path, and even when a module of the same name has been loaded from elsewhere.
HMODULE ImportedSupportLibrary()
{
    HMODULE module = nullptr;
    const BOOL found = ::GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&GetMirelDir), &module);
    return found ? module : nullptr;
}

int RunStep(const RegistrationStep& step, BOOL bShow)
{
    if (RunEntryPoint(step.entryPoint) != Outcome::Done) {
        AfxMessageBox(step.failureMessage, MB_ICONERROR, 0);
        return 0;
    }
    if (bShow)
        AfxMessageBox(step.successMessage, MB_ICONINFORMATION, 0);
    return 1;
}

}  // namespace

int RegisterAddIn(BOOL bShow)
{
    return RunStep(kRegister, bShow);
}

int UnregisterAddIn(BOOL bShow)
{
    return RunStep(kUnregister, bShow);
}

bool RemoveAddInRegistration()
{
    if (RunEntryPoint(kUnregister.entryPoint) == Outcome::Done)
        return true;
    const HMODULE own = ImportedSupportLibrary();
    if (own == nullptr)
        return false;
    const RegistrationEntryPoint entryPoint =
        ProcAddress<RegistrationEntryPoint>(own, kUnregister.entryPoint);
    return entryPoint != nullptr && SUCCEEDED(entryPoint());
}

void UnregisterOldAddIn()
{
    if (RunEntryPoint(kUnregister.entryPoint) == Outcome::NotLoaded)
        AfxMessageBox(kUnregister.failureMessage, MB_ICONERROR, 0);
}
