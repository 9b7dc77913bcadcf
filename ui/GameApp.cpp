#include "ui/GameApp.h"
#include "framework/FrameWnd.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/MainFrame.h"

BEGIN_MESSAGE_MAP(CGameApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CGameApp::CGameApp() = default;

CGameApp::~CGameApp() = default;

BOOL CGameApp::InitInstance()
{
    Enable3dControlsStatic();
    SetRegistryKey("Local AppWizard-Generated Applications");

    // The main window already while it is being created: its start notice and messages need it.
    CMainFrame* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    // A frame that fails to load deletes itself and leaves no main window; WinMain then ends.
    pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr);
    if (m_pMainWnd != nullptr) {
        m_pMainWnd->ShowWindow(SW_SHOW);
        m_pMainWnd->UpdateWindow();
    }
    return TRUE;
}

void CGameApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
