// mirel_snap.exe: waits for the settings sheet of a running program, saves its screenshot
// (MIREL_SCREENSHOTS/sheet.bmp) and closes it with Cancel. Used by tools/run without a display.
#include "tools/driver/Driver.h"
#include "tools/driver/ProgramTexts.h"

#include <commctrl.h>

int main()
{
    const DWORD start = ::GetTickCount();
    HWND sheet = nullptr;
    while (sheet == nullptr && ::GetTickCount() - start < 30000) {
        sheet = ::FindWindowA("#32770", kSheetCaption);
        ::Sleep(50);
    }
    if (sheet == nullptr)
        return 1;
    driver::SaveScreenshot(sheet, "sheet");
    driver::PressSheetButton(sheet, PSBTN_CANCEL);
    return driver::WaitForWindowGone(sheet) ? 0 : 2;
}
