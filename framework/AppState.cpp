#include "framework/AppState.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

AFX_MODULE_STATE* AfxGetModuleState()
{
    static AFX_MODULE_STATE s_state;
    return &s_state;
}

CWinApp* AfxGetApp()
{
    return AfxGetModuleState()->pCurrentWinApp;
}

// The application's m_pMainWnd once there is an application object.
CWnd* AfxGetMainWnd()
{
    CWinApp* pApp = AfxGetModuleState()->pCurrentWinApp;
    return pApp != nullptr ? pApp->m_pMainWnd : AfxGetModuleState()->pMainWnd;
}

HINSTANCE AfxGetInstanceHandle()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (pState->hCurrentInstanceHandle == nullptr)
        pState->hCurrentInstanceHandle = ::GetModuleHandleA(nullptr);
    return pState->hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    return pState->hCurrentResourceHandle != nullptr ? pState->hCurrentResourceHandle : AfxGetInstanceHandle();
}

LPCSTR AfxGetAppName()
{
    return AfxGetModuleState()->pszAppName;
}

void AfxSetApp(CWinApp* pApp)
{
    AfxGetModuleState()->pCurrentWinApp = pApp;
}

void AfxSetMainWnd(CWnd* pWnd)
{
    AfxGetModuleState()->pMainWnd = pWnd;
    if (CWinApp* pApp = AfxGetModuleState()->pCurrentWinApp)
        pApp->m_pMainWnd = pWnd;
}

void AfxSetInstanceHandle(HINSTANCE hInstance)
{
    AfxGetModuleState()->hCurrentInstanceHandle = hInstance;
}

void AfxSetResourceHandle(HINSTANCE hResource)
{
    AfxGetModuleState()->hCurrentResourceHandle = hResource;
}

void AfxSetAppName(LPCSTR pszAppName)
{
    AfxGetModuleState()->pszAppName = pszAppName;
}

void AfxDeleteTempMap()
{
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
}
