// CMirelSetupApp: the application object; its start-up routine runs one settings cycle.
#pragma once

#include "framework/WinApp.h"

class CMirelSetupApp : public CWinApp
{
public:
    CMirelSetupApp();

    // Single-instance check, installer hand-off, then the settings sheet. Always FALSE: the
    // program ends when it returns.
    BOOL InitInstance() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCMirelSetupApp; }
    static const CRuntimeClass classCMirelSetupApp;

private:
    void RunSettingsCycle();
};
