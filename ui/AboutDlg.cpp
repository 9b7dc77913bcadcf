#include "ui/AboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

CAboutDlg::~CAboutDlg() = default;

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

void CAboutDlg::DoDataExchange(CDataExchange*)
{
}
