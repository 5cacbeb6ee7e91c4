// CWinApp: the one application object, its start-up routine, and the program's message boxes.
#pragma once

#include "base/String.h"
#include "framework/RuntimeClass.h"

#include <windows.h>

class CWinApp : public CObject
{
public:
    // The newest application object becomes the current one (AfxGetApp). The application is
    // named after its program file, without the extension.
    CWinApp();
    ~CWinApp() override;

    // The start-up routine, run once; its result only tells whether a message loop would follow,
    // and this framework has none: the program ends when it returns.
    virtual BOOL InitInstance();
    // The process's exit code, asked once the start-up routine has returned. 0 unless overridden.
    virtual int ExitInstance();

    // Every message box of the program comes here (AfxMessageBox), so a test application can
    // answer and record them. The default shows a real box captioned with the application name.
    virtual int DoMessageBox(const char* text, UINT type, UINT helpContextId);

    const char* GetAppName() const { return m_strAppName; }

private:
    CString m_strAppName;
    CWinApp* m_pPreviousApp;
};

CWinApp* AfxGetApp();

int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpContextId = 0);

// Restricts run-time DLL loading to the system folder, then runs the application's start-up
// routine once; the process then ends with the exit code of its ExitInstance.
int AfxWinMain();
