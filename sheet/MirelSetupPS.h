// CMirelSetupPS: the settings sheet.
#pragma once

#include "framework/PropertySheet.h"

class CPPMain;
class CPPFilter1;
class CPPFilter2;
class CPPHighLight;

class CMirelSetupPS : public CPropertySheet
{
public:
    CMirelSetupPS(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

    BOOL OnInitDialog() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCMirelSetupPS; }
    static const CRuntimeClass classCMirelSetupPS;

    // The pages, owned by the start-up routine.
    CPPMain* m_pPageMain = nullptr;
    CPPFilter1* m_pPageFilter1 = nullptr;
    CPPFilter2* m_pPageFilter2 = nullptr;
    CPPHighLight* m_pPageHighLight = nullptr;
};
