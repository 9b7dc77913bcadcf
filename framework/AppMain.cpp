// The program's entry point, kept apart so that console test programs never pull it in.
#include "framework/AppState.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    // The command line and the start-up show state are not used.
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    AfxSetInstanceHandle(hInstance);
    pApp->m_hInstance = hInstance;
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    // A frame that failed to load has destroyed itself (or never got a window): nothing to run.
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || !::IsWindow(pMainWnd->m_hWnd))
        return pApp->ExitInstance();
    return pApp->Run();
}
