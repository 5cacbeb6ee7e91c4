// Opening an address through the user's own desktop shell, so that whatever it starts runs as the
// user even when this program runs with an administrator's rights.
#include "sheet/DesktopShell.h"

#include "framework/ScopedHandles.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlobj.h>

namespace {

// The service under which the desktop's window hands out its shell browser. Defined here: the
// system's uuid library would bring thousands of other identifiers with it. The interfaces' own
// identifiers come from their headers through __uuidof, which defines only those used.
const GUID kTopLevelBrowserService = {
    0x4C96BE40, 0x915C, 0x11CF, {0x99, 0xD3, 0x00, 0xAA, 0x00, 0x4A, 0xE8, 0x37}};

// The automation object of the desktop's folder view; it lives in the desktop shell's process.
bool FindDesktopFolderView(CScopedInterface<IShellFolderViewDual>& folderView)
{
    // A local server only: the desktop process's list of shell windows, never an in-process one,
    // which would start the browser from this process after all.
    CScopedInterface<IShellWindows> shellWindows;
    if (FAILED(::CoCreateInstance(__uuidof(ShellWindows), nullptr, CLSCTX_LOCAL_SERVER,
                                  __uuidof(IShellWindows), shellWindows.Receive())))
        return false;
    VARIANT desktopFolder = {};
    V_VT(&desktopFolder) = VT_I4;
    V_I4(&desktopFolder) = CSIDL_DESKTOP;
    VARIANT noRoot = {};  // VT_EMPTY
    long desktopWindow = 0;
    CScopedInterface<IDispatch> desktop;
    // S_FALSE (no desktop window registered) comes without an object.
    if (shellWindows->FindWindowSW(&desktopFolder, &noRoot, SWC_DESKTOP, &desktopWindow,
                                   SWFO_NEEDDISPATCH, desktop.ReceiveTyped()) != S_OK ||
        desktop.Get() == nullptr)
        return false;

    CScopedInterface<IServiceProvider> services;
    CScopedInterface<IShellBrowser> browser;
    CScopedInterface<IShellView> view;
    CScopedInterface<IDispatch> background;
    return SUCCEEDED(desktop->QueryInterface(__uuidof(IServiceProvider), services.Receive())) &&
           SUCCEEDED(services->QueryService(kTopLevelBrowserService, __uuidof(IShellBrowser),
                                            browser.Receive())) &&
           SUCCEEDED(browser->QueryActiveShellView(view.ReceiveTyped())) && view.Get() != nullptr &&
           SUCCEEDED(
               view->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch), background.Receive())) &&
           SUCCEEDED(
               background->QueryInterface(__uuidof(IShellFolderViewDual), folderView.Receive()));
}

// Multi-byte text of the system code page as a new BSTR; nullptr when it cannot be converted.
BSTR WideText(const char* text)
{
    const int units = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);  // with terminator
    if (units <= 0)
        return nullptr;
    CScopedBstr wide(::SysAllocStringLen(nullptr, static_cast<UINT>(units - 1)));
    if (!wide.IsValid() || ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.Get(), units) != units)
        return nullptr;
    return wide.Detach();
}

}  // namespace

bool HandOverToDesktopShell(const char* address, COpeningClaim& claim)
{
    CScopedInterface<IShellFolderViewDual> folderView;
    if (!FindDesktopFolderView(folderView))
        return false;
    CScopedInterface<IDispatch> application;
    CScopedInterface<IShellDispatch2> shell;
    if (FAILED(folderView->get_Application(application.ReceiveTyped())) ||
        application.Get() == nullptr ||
        FAILED(application->QueryInterface(__uuidof(IShellDispatch2), shell.Receive())))
        return false;

    CScopedBstr file(WideText(address));
    CScopedBstr verb(::SysAllocString(L"open"));
    if (!file.IsValid() || !verb.IsValid())
        return false;
    VARIANT none = {};  // VT_EMPTY: no parameters, no directory
    VARIANT operation = {};
    V_VT(&operation) = VT_BSTR;
    V_BSTR(&operation) = verb.Get();
    VARIANT show = {};
    V_VT(&show) = VT_I4;
    V_I4(&show) = SW_SHOWNORMAL;
    // The shell's process starts the browser, so it needs this process's right to come forward.
    ::CoAllowSetForegroundWindow(shell.Get(), nullptr);
    // From here on the address is the desktop shell's, whatever comes of it: a shell that
    // answers late, fails or never returns may still have started the browser, so this process
    // must never open it as well. Where this process claimed it first, the shell is not asked.
    if (!claim.ForDesktopShell())
        return false;
    return SUCCEEDED(shell->ShellExecute(file.Get(), none, none, operation, show));
}

bool RunsElevated()
{
    // Where the token cannot tell (a system before Windows Vista knows no TokenElevation), the
    // hand-over is taken: at worst it costs a moment, where opening from here might start the
    // browser with an administrator's rights.
    CScopedHandle token;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Receive()) ||
        !::GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof(elevation), &size))
        return true;
    return elevation.TokenIsElevated != 0;
}
