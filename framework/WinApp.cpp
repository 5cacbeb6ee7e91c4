// CWinApp: the one application object, its start-up routine, and the program's message boxes.
#include "framework/WinApp.h"

#include "base/Mbcs.h"
#include "framework/DllSearch.h"

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

// A box that names no icon is shown with the exclamation icon.
UINT WithDefaultMessageBoxIcon(UINT type)
{
    return (type & MB_ICONMASK) == 0 ? (type | MB_ICONEXCLAMATION) : type;
}

}  // namespace

CWinApp::CWinApp(const char* appName)
    : m_hInstance(::GetModuleHandleA(nullptr)),
      m_strAppName(appName != nullptr ? CString(appName) : ProgramNameWithoutExtension()),
      m_pPreviousApp(currentApp)
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
    return ::MessageBoxA(::GetActiveWindow(), text, m_strAppName, WithDefaultMessageBoxIcon(type));
}

CWinApp* AfxGetApp()
{
    return currentApp;
}

int AfxMessageBox(const char* text, UINT type, UINT helpContextId)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return ::MessageBoxA(nullptr, text, "", WithDefaultMessageBoxIcon(type));
    return app->DoMessageBox(text, type, helpContextId);
}

int AfxWinMain(HINSTANCE instance)
{
    RestrictDllSearchToSystemFolder();
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 0;
    app->m_hInstance = instance;
    app->InitInstance();
    return app->ExitInstance();
}
