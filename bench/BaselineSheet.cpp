// Start-up baseline: a plain four-page property sheet over the settings program's own templates
// and nothing else: no framework, no store, no list filling.
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>

namespace {

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const UINT templates[] = {IDD_PAGE_MAIN, IDD_PAGE_FILTER1, IDD_PAGE_FILTER2,
                              IDD_PAGE_HIGHLIGHT};
    PROPSHEETPAGEA pages[4] = {};
    for (int i = 0; i < 4; ++i) {
        pages[i].dwSize = sizeof(pages[i]);
        pages[i].dwFlags = PSP_DEFAULT;
        pages[i].hInstance = instance;
        pages[i].pszTemplate = MAKEINTRESOURCEA(templates[i]);
        pages[i].pfnDlgProc = &PageProc;
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
    header.hInstance = instance;
    header.pszCaption = "ミレルセットアップ";
    header.nPages = 4;
    header.ppsp = pages;
    ::PropertySheetA(&header);
    return 0;
}
