// CMirelSetupPS: the settings sheet, and the control operations its pages move data with.
#pragma once

#include "PropertySheet.h"

class CPPMain;
class CPPFilter1;
class CPPFilter2;
class CPPHighLight;

class CMirelSetupPS : public CPropertySheet
{
public:
    CMirelSetupPS(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

    BOOL OnInitDialog() override;

    // Control operations: each looks the control up on the page and sends it one message. They
    // use no state of the sheet, so they are static and need no sheet object.
    static int GetItemCheck(const CWnd* page, int controlId);
    static int GetItemCurSel(const CWnd* page, int controlId);
    static CString GetItemText(const CWnd* page, int controlId);
    static void SetItemCheck(const CWnd* page, int controlId, int state);
    static void SetItemCurSel(const CWnd* page, int controlId, int index);
    static void SetItemText(const CWnd* page, int controlId, CString text);

    const CRuntimeClass* GetRuntimeClass() const override { return &classCMirelSetupPS; }
    static const CRuntimeClass classCMirelSetupPS;

    // The pages, owned by the start-up routine.
    CPPMain* m_pPageMain;
    CPPFilter1* m_pPageFilter1;
    CPPFilter2* m_pPageFilter2;
    CPPHighLight* m_pPageHighLight;
};
