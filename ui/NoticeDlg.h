#pragma once
#include "framework/Dialog.h"

// The start and result notice: one template, four texts filled in by the frame before each run.
class CNoticeDlg : public CDialog
{
public:
    explicit CNoticeDlg(CWnd* pParent);
    ~CNoticeDlg() override;

    CString m_strLine1;
    CString m_strLine2;
    CString m_strButton;
    CString m_strCaption;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
