// CMirelSetupApp: the application object; its start-up routine runs one settings cycle.
#include "app/MirelSetupApp.h"

#include "framework/ScopedHandles.h"
#include "setup/Installer.h"
#include "setup/SetupPaths.h"
#include "setup/Uninstaller.h"
#include "sheet/MirelSetupPS.h"
#include "sheet/PPFilter1.h"
#include "sheet/PPFilter2.h"
#include "sheet/PPHighLight.h"
#include "sheet/PPMain.h"
#include "support/CommonData.h"
#include "support/Mirel.h"

namespace {
const char kMutexName[] = "MIRELUNIQMUTEX";
const char kSheetCaption[] = "ミレルセットアップ";
const char kAlreadyRunningMessage[] = "すでに起動してます。";
const char kSaveFailedMessage[] = "設定を保存できませんでした。";

// The exit status of a setup run: 0 done; 3010 done once the computer restarts, the value
// Windows' installers give; 1 anything else.
int ExitStatusOf(SetupOutcome outcome)
{
    switch (outcome) {
    case SetupOutcome::Done:
        return 0;
    case SetupOutcome::DoneAfterRestart:
        return ERROR_SUCCESS_REBOOT_REQUIRED;
    default:
        return 1;
    }
}
}  // namespace

// The application is named after its program file, which captions every box.
CMirelSetupApp::CMirelSetupApp() : m_exitCode(0) {}

BOOL CMirelSetupApp::InitInstance()
{
    const SetupSwitches switches = ReadSetupSwitches(::GetCommandLineA());
    if (switches.quiet)
        m_quietRun.Begin(switches.logFile);

    // One copy at a time, in either mode; a second one ends at once. When the mutex cannot be
    // made at all the program goes on without the rule.
    CScopedHandle mutex(::CreateMutexA(nullptr, FALSE, kMutexName));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        AfxMessageBox(kAlreadyRunningMessage, MB_OK);
        m_exitCode = 1;
        return FALSE;
    }

    SetupOutcome installation;
    if (RunInstallerIfNamed(installation)) {
        m_exitCode = ExitStatusOf(installation);
        // Kept open until the process ends, so no settings cycle starts during an installation.
        mutex.Detach();
        return FALSE;
    }

    // Windows' list of installed programs starts the uninstallation this way; the sheet never
    // shows. Asked, declining ends the program with nothing changed; the removal ends it with
    // exit code -1 whatever happened, as it always has. Unattended, nothing is asked.
    if (switches.uninstall) {
        if (m_quietRun.IsOn())
            m_exitCode = ExitStatusOf(RemoveAddIn());
        else
            Uninstall();
        return FALSE;
    }

    // The settings sheet is for a person: /quiet means nothing to it.
    m_quietRun.End();
    RunSettingsCycle();
    return FALSE;
}

int CMirelSetupApp::DoMessageBox(const char* text, UINT type, UINT helpContextId)
{
    if (m_quietRun.IsOn())
        return m_quietRun.Answer(GetAppName(), text, type);
    return CWinApp::DoMessageBox(text, type, helpContextId);
}

void CMirelSetupApp::RunSettingsCycle()
{
    CMirelSetupPS sheet(kSheetCaption, nullptr, 0);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.m_psh.dwFlags &= ~PSH_HASHELP;

    CPPMain pageMain;
    CPPFilter1 pageFilter1;
    CPPFilter2 pageFilter2;
    CPPHighLight pageHighLight;
    CPropertyPage* const pages[] = {&pageMain, &pageFilter1, &pageFilter2, &pageHighLight};
    for (CPropertyPage* page : pages)
        page->m_psp.dwFlags &= ~PSP_HASHELP;

    CommonData data;
    LoadCommonData(&data);

    sheet.m_pPageMain = &pageMain;
    sheet.m_pPageFilter1 = &pageFilter1;
    sheet.m_pPageFilter2 = &pageFilter2;
    sheet.m_pPageHighLight = &pageHighLight;
    pageMain.m_pData = &data;
    pageFilter1.m_pData = &data;
    pageFilter2.m_pData = &data;
    pageHighLight.m_pData = &data;

    for (CPropertyPage* page : pages)
        sheet.AddPage(page);

    // Only a confirmed sheet is stored; a store that refuses the record must not lose the
    // user's edits without a word.
    if (sheet.DoModal() == IDOK && !SaveCommonData(&data))
        AfxMessageBox(kSaveFailedMessage, MB_OK | MB_ICONERROR);
}
