// uninstall_host.exe: the settings program reduced to its Uninstall command, which it runs at
// once. Copied into the installation directory as MirelSetup.exe and started there, it holds
// its own file and Mirel.DLL as the settings program does when its Main page runs Uninstall.
#include "Uninstaller.h"
#include "WinApp.h"

class CUninstallHostApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        Uninstall();  // returns only when declined
        return FALSE;
    }
};

CUninstallHostApp theApp;
