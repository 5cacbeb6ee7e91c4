// CWinApp: the one application object, its start-up routine, and the program's message boxes.
#include "framework/WinApp.h"

#include "base/Mbcs.h"
#include "framework/DllSearch.h"
#include "framework/TextConversion.h"


namespace {

CWinApp* currentApp = nullptr;

// "C:\dir\Program.exe" gives "Program"; the separators are searched whole-character.
CString ProgramNameWithoutExtension()
{
    char path[MAX_PATH + 1] = {};
    if (::GetModuleFileNameA(nullptr, path, MAX_PATH) == 0)
        return CString();
    CString name(path + FindLastChar(path, '\\') + 1);
    const int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

// The program's texts are code page 932 whatever the system's code page is: converted from it,
// a box reads right also where the system code page is another (UTF-8, say), which the box's
// ANSI call would garble. The caption comes from the file system in the system code page.
const UINT kTextCodePage = 932;

// A box that names no icon is shown with the exclamation icon.
UINT WithDefaultMessageBoxIcon(UINT type)
{
    return (type & MB_ICONMASK) == 0 ? (type | MB_ICONEXCLAMATION) : type;
}

}  // namespace

CWinApp::CWinApp() : m_strAppName(ProgramNameWithoutExtension()), m_pPreviousApp(currentApp)
{
    currentApp = this;
}

CWinApp::~CWinApp()
{
    if (currentApp == this)
        currentApp = m_pPreviousApp;
}

BOOL CWinApp::InitInstance()
{
    return FALSE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::DoMessageBox(const char* text, UINT type, UINT /*helpContextId*/)
{
    // The active window of this thread owns the box, so it stays disabled while the box is up.
    const HWND owner = ::GetActiveWindow();
    LoadWindowingDllsFromSystemFolder();
    type = WithDefaultMessageBoxIcon(type);
    const CWideText wideText(text, kTextCodePage);
    const CWideText wideCaption(m_strAppName, CP_ACP);
    if (!wideText.IsValid() || !wideCaption.IsValid())
        return ::MessageBoxA(owner, text, m_strAppName, type);
    return ::MessageBoxW(owner, wideText.Get(), wideCaption.Get(), type);
}

CWinApp* AfxGetApp()
{
    return currentApp;
}

int AfxMessageBox(const char* text, UINT type, UINT helpContextId)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        LoadWindowingDllsFromSystemFolder();
        return ::MessageBoxA(nullptr, text, "", WithDefaultMessageBoxIcon(type));
    }
    return app->DoMessageBox(text, type, helpContextId);
}

int AfxWinMain()
{
    RestrictDllSearchToSystemFolder();
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 0;
    app->InitInstance();
    return app->ExitInstance();
}
