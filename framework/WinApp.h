// The application object: one global instance per program, registered with the framework as it is
// constructed; WinMain (framework/AppMain.cpp) runs its InitInstance and then its message loop.
#pragma once
#include <windows.h>

#include "framework/CmdTarget.h"
#include "framework/String.h"

class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    // Without a name the title comes from string AFX_IDS_APP_TITLE.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnIdle(LONG lCount);
    virtual int ExitInstance();

    // Takes one message and dispatches it; FALSE when it was the quit message.
    BOOL PumpMessage();

    // Only records the name: nothing is ever read from or written to the registry.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    // Three-dimensional controls for Windows older than version 4; nothing to do on 4 and later.
    BOOL Enable3dControlsStatic();

    void OnAppExit();

    LPCSTR m_pszAppName;
    LPCSTR m_pszRegistryKey;
    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd;
    MSG m_msgCur;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
    CString m_strRegistryKey;

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
};
