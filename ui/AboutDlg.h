#pragma once
#include "framework/Dialog.h"

// The About box: everything it shows comes from its template.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
