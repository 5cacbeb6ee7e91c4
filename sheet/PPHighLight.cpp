// CPPHighLight: the fourth page of the settings sheet, "ハイライト": the strings to highlight.
#include "sheet/PPHighLight.h"

#include "res/resource.h"
#include "sheet/HighLightText.h"
#include "sheet/ItemAccess.h"

namespace {
// Bytes the user can type or paste into the field; text loaded longer than this stays whole.
const WPARAM kHighLightTextLimit = 2048;
}  // namespace

const CRuntimeClass CPPHighLight::classCPPHighLight("CPPHighLight", &CreateObjectOf<CPPHighLight>);

CPPHighLight::CPPHighLight() : CPropertyPage(IDD) {}

BOOL CPPHighLight::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    SetItemText(this, IDC_HL_TEXT, m_pData->strHighLight);
    ::SendDlgItemMessageA(m_hWnd, IDC_HL_TEXT, EM_LIMITTEXT, kHighLightTextLimit, 0);
    return TRUE;
}

void CPPHighLight::OnOK()
{
    // Blanks at a line's end cannot be seen in the field, yet would become part of a string.
    m_pData->strHighLight = RemoveBlanksBeforeLineEnds(GetItemText(this, IDC_HL_TEXT));
    CPropertyPage::OnOK();
}
