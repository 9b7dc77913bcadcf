#include "framework/WinApp.h"
#include "framework/AppState.h"
#include "framework/ToolTip.h"
#include "framework/Wnd.h"
#include "framework/res/FrameworkRes.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(nullptr), m_pszRegistryKey(nullptr), m_hInstance(::GetModuleHandleA(nullptr)),
      m_pMainWnd(nullptr), m_msgCur()
{
    AfxSetApp(this);
    AfxSetInstanceHandle(m_hInstance);
    if (lpszAppName != nullptr)
        m_strAppName = lpszAppName;
    else
        m_strAppName.LoadString(AFX_IDS_APP_TITLE);
    m_pszAppName = m_strAppName;
    AfxSetAppName(m_pszAppName);
}

CWinApp::~CWinApp()
{
    if (AfxGetApp() == this) {
        AfxSetAppName(nullptr);
        AfxSetApp(nullptr);
    }
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            // Idle work again after anything but the mouse resting or a timer tick.
            if (m_msgCur.message != WM_MOUSEMOVE && m_msgCur.message != WM_NCMOUSEMOVE &&
                m_msgCur.message != WM_TIMER && m_msgCur.message != WM_PAINT) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinApp::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    AfxRelayToolTipMessage(pMsg);
    if (pMsg->hwnd == nullptr)
        return FALSE;
    // The target window and its parents up to the main window may take the message first
    // (the frame translates its accelerators there).
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndStop = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    return CWnd::WalkPreTranslateTree(hWndStop, pMsg);
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    // One pass is enough: the only idle work is freeing the temporary wrappers.
    if (lCount == 0)
        AfxDeleteTempMap();
    return FALSE;
}

int CWinApp::ExitInstance()
{
    AfxDeleteTempMap();
    return static_cast<int>(m_msgCur.wParam);
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
}

BOOL CWinApp::Enable3dControlsStatic()
{
    return TRUE;
}

void CWinApp::OnAppExit()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
        pMainWnd->SendMessage(WM_CLOSE);
}
