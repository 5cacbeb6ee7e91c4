// The installer mode: the program started as "installer.exe" installs the add-in.
#include "Installer.h"

int RunInstallerIfNamed()
{
    // The installer is not part of this build yet: every name opens the settings sheet.
    return 0;
}
