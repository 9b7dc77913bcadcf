#include "framework/AppState.h"
#include "framework/Menu.h"
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

CWnd* AfxGetMainWnd()
{
    return AfxGetModuleState()->pMainWnd;
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
