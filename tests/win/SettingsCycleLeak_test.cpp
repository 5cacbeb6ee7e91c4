// A full settings cycle in this process (store loaded through Mirel.DLL, the real sheet with its
// four pages, every page shown, OK, store saved) leaves no kernel handle, GDI or USER object, COM
// apartment or add-in object behind.
#include "app/MirelSetupApp.h"
#include "support/CommonData.h"
#include "tests/common/StoreKit.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// Wine 8 answers neither GetProcessHandleCount (always 0) nor GetGuiResources (not
// implemented). There the counts are taken by probing: handle values are table slots, and Wine
// accepts a GDI or USER handle by the low word that indexes its table.
DWORD CountKernelHandles()
{
    DWORD count = 0;
    if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count > 0)
        return count;
    count = 0;
    for (UINT_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
            ++count;
    }
    return count;
}

DWORD CountGdiObjects()
{
    const DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (count > 0 || ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return count;
    DWORD probed = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
            ++probed;
    }
    return probed;
}

DWORD CountUserObjects()
{
    ::SetLastError(0);
    const DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (count > 0 || ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return count;
    // Windows of this process and menus: what a page, a sheet or a control could leave behind.
    DWORD probed = 0;
    const DWORD self = ::GetCurrentProcessId();
    for (UINT_PTR value = 0x20; value < 0x10000; value += 2) {
        DWORD owner = 0;
        const HWND window = reinterpret_cast<HWND>(value);
        if (::IsWindow(window) && ::GetWindowThreadProcessId(window, &owner) && owner == self)
            ++probed;
        if (::IsMenu(reinterpret_cast<HMENU>(value)))
            ++probed;
    }
    return probed;
}

// Whether this thread is inside a COM apartment, asked without changing the answer.
bool InComApartment()
{
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result))
        ::CoUninitialize();
    return result != S_OK;
}

struct Counts
{
    DWORD kernelHandles, gdiObjects, userObjects;
    bool inComApartment;

    bool operator==(const Counts& other) const
    {
        return kernelHandles == other.kernelHandles && gdiObjects == other.gdiObjects &&
               userObjects == other.userObjects && inComApartment == other.inComApartment;
    }
};

std::ostream& operator<<(std::ostream& out, const Counts& counts)
{
    return out << "handles " << counts.kernelHandles << ", GDI " << counts.gdiObjects << ", USER "
               << counts.userObjects << (counts.inComApartment ? ", in COM" : ", outside COM");
}

Counts Take()
{
    return {CountKernelHandles(), CountGdiObjects(), CountUserObjects(), InComApartment()};
}

// A user's clicks on the real sheet, posted from a thread timer that fires inside the sheet's
// modal loop: every page in turn, then OK.
void CALLBACK ClickThroughSheet(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND sheet = ::FindWindowA("#32770", "ミレルセットアップ");
    DWORD pid = 0;
    if (sheet == nullptr ||
        (::GetWindowThreadProcessId(sheet, &pid), pid) != ::GetCurrentProcessId())
        return;
    ::KillTimer(nullptr, timer);
    for (WPARAM page = 1; page < 4; ++page)
        ::PostMessageA(sheet, PSM_SETCURSEL, page, 0);
    ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}

// The program's application object, except that a message box is recorded instead of shown:
// none is expected, and a real one would wait for a user.
class CQuietSetupApp : public CMirelSetupApp
{
public:
    int DoMessageBox(const char* text, UINT, UINT) override
    {
        shown.push_back(text);
        return IDOK;
    }
    std::vector<std::string> shown;
};

// One settings cycle exactly as the program runs it: the application's start-up routine, with
// its mutex, its record loaded and saved through Mirel.DLL, and the real sheet and pages.
void RunSettingsCycle()
{
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &ClickThroughSheet);
    CQuietSetupApp app;
    app.InitInstance();
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(app.shown.empty()) << app.shown.front();
}

}  // namespace

TEST(SettingsCycleLeakTest, CycleLeavesNoHandleObjectOrComReference)
{
    storekit::DeleteStore();
    CommonData seeded = storekit::DistinctRecord(1);
    seeded.strHighLight = "表示 \r\nソフト";
    storekit::SeedStore(seeded);

    // The first cycle loads the common controls, fonts and caches, which stay for the process.
    RunSettingsCycle();
    const Counts before = Take();
    const int cycles = 3;  // a leak of one object per cycle shows as three
    for (int i = 0; i < cycles; ++i)
        RunSettingsCycle();
    const Counts after = Take();
    EXPECT_EQ(before, after);

    // The cycles really went through every page and the store: the Highlight page's OK cleaned
    // the text, and the save wrote it.
    std::string stored;
    ASSERT_TRUE(storekit::GetString("strHighLight", &stored));
    EXPECT_EQ("表示\r\nソフト", stored);

    // No object or lock of the add-in is alive once the settings are closed, when the module
    // is a COM server.
    typedef HRESULT(STDAPICALLTYPE * CanUnloadNow)();
    const auto canUnloadNow = reinterpret_cast<CanUnloadNow>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("Mirel.DLL"), "DllCanUnloadNow")));
    if (canUnloadNow != nullptr) {
        EXPECT_EQ(S_OK, canUnloadNow());
    }
    storekit::DeleteStore();
}
