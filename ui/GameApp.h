// The application: creates the main frame at start-up and opens the About box.
#pragma once
#include "framework/WinApp.h"

class CGameApp : public CWinApp {
public:
    CGameApp();
    ~CGameApp() override;

    BOOL InitInstance() override;

    void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};
