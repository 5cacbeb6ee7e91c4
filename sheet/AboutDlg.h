// CAboutDlg: the About box, with the product's version, notice and home-page link.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"
#include "sheet/LinkLabelDialog.h"

class CAboutDlg : public CLinkLabelDialog<CDialog>
{
public:
    enum { IDD = IDD_ABOUTBOX };

    CAboutDlg();

    void OnOK() override;

protected:
    const CommandEntry* GetCommandTable() const override;
};
