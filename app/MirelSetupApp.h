// CMirelSetupApp: the application object; its start-up routine runs one settings cycle.
#pragma once

#include "app/QuietRun.h"
#include "framework/WinApp.h"

class CMirelSetupApp : public CWinApp
{
public:
    CMirelSetupApp();

    // Single-instance check, installer hand-off or removal, then the settings sheet. Always
    // FALSE: the program ends when it returns.
    BOOL InitInstance() override;
    // How the installation or a removal without questions ended, for the caller that started it.
    int ExitInstance() override { return m_exitCode; }
    // Shown, or in a quiet run logged and answered without a window.
    int DoMessageBox(const char* text, UINT type, UINT helpContextId) override;

private:
    void RunSettingsCycle();

    int m_exitCode;
    CQuietRun m_quietRun;
};
