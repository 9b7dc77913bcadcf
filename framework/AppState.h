// Process-wide application state: the application object, its main window and module handles.
#pragma once
#include <windows.h>

class CWinApp;
class CWnd;

struct AFX_MODULE_STATE {
    CWinApp* pCurrentWinApp = nullptr;
    CWnd* pMainWnd = nullptr;
    HINSTANCE hCurrentInstanceHandle = nullptr;
    HINSTANCE hCurrentResourceHandle = nullptr;
    LPCSTR pszAppName = nullptr;    // title of the framework's message boxes; owned by the application
};

AFX_MODULE_STATE* AfxGetModuleState();

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();    // the exe's module handle unless set otherwise
HINSTANCE AfxGetResourceHandle();    // defaults to the instance handle
LPCSTR AfxGetAppName();              // nullptr until the application sets one

void AfxSetApp(CWinApp* pApp);
void AfxSetMainWnd(CWnd* pWnd);
void AfxSetInstanceHandle(HINSTANCE hInstance);
void AfxSetResourceHandle(HINSTANCE hResource);
void AfxSetAppName(LPCSTR pszAppName);

// Frees the temporary CWnd/CMenu wrappers made by FromHandle; the message loop calls it when idle.
void AfxDeleteTempMap();
