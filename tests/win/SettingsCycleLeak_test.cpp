// A full settings cycle in this process (store loaded through Mirel.DLL, the real sheet with its
// four pages, every page shown, OK, store saved) leaves no kernel handle, GDI or USER object, COM
// apartment or add-in object behind.
#include "CommonData.h"
#include "Mirel.h"
#include "MirelSetupPS.h"
#include "PPFilter1.h"
#include "PPFilter2.h"
#include "PPHighLight.h"
#include "PPMain.h"
#include "StoreKit.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

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
    return { CountKernelHandles(), CountGdiObjects(), CountUserObjects(), InComApartment() };
}

// The settings sheet, with a user's clicks posted to it as soon as its window exists: every
// page in turn, then OK.
class CClickedThroughSheet : public CMirelSetupPS
{
public:
    CClickedThroughSheet() : CMirelSetupPS("ミレルセットアップ") {}

    BOOL OnInitDialog() override
    {
        for (WPARAM page = 1; page < 4; ++page)
            ::PostMessageA(m_hWnd, PSM_SETCURSEL, page, 0);
        ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
        return CMirelSetupPS::OnInitDialog();
    }
};

// One cycle as the start-up routine runs it; the result of the sheet.
INT_PTR RunSettingsCycle()
{
    CClickedThroughSheet sheet;
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    CPPMain pageMain;
    CPPFilter1 pageFilter1;
    CPPFilter2 pageFilter2;
    CPPHighLight pageHighLight;
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
    CPropertyPage* const pages[] = { &pageMain, &pageFilter1, &pageFilter2, &pageHighLight };
    for (CPropertyPage* page : pages)
        sheet.AddPage(page);
    const INT_PTR result = sheet.DoModal();
    if (result == IDOK)
        SaveCommonData(&data);
    return result;
}

}  // namespace

TEST(SettingsCycleLeakTest, CycleLeavesNoHandleObjectOrComReference)
{
    storekit::DeleteStore();
    CommonData seeded = storekit::DistinctRecord(1);
    seeded.strHighLight = "表示 \r\nソフト";
    storekit::SeedStore(seeded);

    // The first cycle loads the common controls, fonts and caches, which stay for the process.
    ASSERT_EQ(IDOK, RunSettingsCycle());
    const Counts before = Take();
    const int cycles = 3;  // a leak of one object per cycle shows as three
    for (int i = 0; i < cycles; ++i)
        ASSERT_EQ(IDOK, RunSettingsCycle());
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
    const auto canUnloadNow = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("Mirel.DLL"), "DllCanUnloadNow")));
    if (canUnloadNow != nullptr) {
        EXPECT_EQ(S_OK, canUnloadNow());
    }
    storekit::DeleteStore();
}
