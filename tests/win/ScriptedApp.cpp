// The program's start-up routine run in this process with a script that plays the user.
#include "tests/win/ScriptedApp.h"

#include "tools/driver/Driver.h"
#include "tools/driver/ProgramTexts.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

std::function<void(HWND)> userScript;

// A visible dialog of this process with this caption, or null.
HWND WindowOfThisProcess(const char* caption)
{
    HWND window = ::FindWindowA("#32770", caption);
    DWORD pid = 0;
    if (window != nullptr)
        ::GetWindowThreadProcessId(window, &pid);
    return pid == ::GetCurrentProcessId() ? window : nullptr;
}

void CALLBACK GiveUp(HWND sheet, UINT, UINT_PTR, DWORD)
{
    ADD_FAILURE() << "the sheet was left open";
    driver::PressSheetButton(sheet, PSBTN_CANCEL);
}

void CALLBACK PlayUser(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND sheet = WindowOfThisProcess(kSheetCaption);
    if (sheet == nullptr)
        return;
    ::KillTimer(nullptr, timer);
    ::SetTimer(sheet, 1, 10000, &GiveUp);
    userScript(sheet);
}

}  // namespace

void RunWithSheet(CWinApp& app, std::function<void(HWND sheet)> script)
{
    userScript = std::move(script);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &PlayUser);
    app.InitInstance();
    ::KillTimer(nullptr, timer);
}
