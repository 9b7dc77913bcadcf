#include "ui/NoticeDlg.h"

#include "res/resource.h"

CNoticeDlg::CNoticeDlg(CWnd* pParent) : CDialog(IDD_NOTICE, pParent)
{
}

CNoticeDlg::~CNoticeDlg() = default;

BEGIN_MESSAGE_MAP(CNoticeDlg, CDialog)
END_MESSAGE_MAP()

void CNoticeDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NOTICE_LINE1, m_strLine1);
    DDV_MaxChars(pDX, m_strLine1, 64);
    DDX_Text(pDX, IDC_NOTICE_LINE2, m_strLine2);
    DDV_MaxChars(pDX, m_strLine2, 64);
}

BOOL CNoticeDlg::OnInitDialog()
{
    ::SetDlgItemTextA(m_hWnd, IDOK, m_strButton);
    SetWindowText(m_strCaption);
    // The base fills both lines from the members and lets the button take the focus.
    return CDialog::OnInitDialog();
}
