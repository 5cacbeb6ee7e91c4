// mirel_run_installer.exe FOLDER: runs FOLDER\installer.exe as a newcomer would, answering Yes to
// each question and OK to each message, saving a picture of each box (MIREL_SCREENSHOTS), and
// prints every box and where the add-in was installed. Used by tools/run without a display.
#include "tests/common/SetupKit.h"
#include "tools/driver/Driver.h"
#include "tools/driver/ProgramTexts.h"

#include <algorithm>
#include <stdio.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string folder = argv[1];
    driver::Program installer(folder + "\\installer.exe", folder);
    // A question asked again and again (a module that stays in use) is not answered forever.
    int boxes = 0;
    while (boxes < 5 && installer.WaitForExit(0) == STILL_ACTIVE) {
        const driver::MessageBoxSeen box =
            driver::WaitForMessageBox(installer.Pid(), kInstallerAppName);
        if (box.hWnd == nullptr)
            break;
        ++boxes;
        const bool question = std::count(box.buttons.begin(), box.buttons.end(), IDYES) > 0;
        const std::string picture = "installer-" + std::to_string(boxes);
        driver::SaveScreenshot(box.hWnd, picture);
        printf("%s: %s\n  -> %s\n", picture.c_str(), box.text.c_str(), question ? "Yes" : "OK");
        if (!driver::Answer(box, question ? IDYES : IDOK))
            break;
        installer.WaitForExit(1000);  // the work after a Yes, before the next box
    }
    const DWORD code = installer.WaitForExit();
    printf("installed: %s\n", setupkit::InstallDirectory().c_str());
    return code == 0 && boxes > 0 ? 0 : 1;
}
