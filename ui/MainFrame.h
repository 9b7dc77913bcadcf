// The main window: menu, status bar and the board, and the cycle from one game to the next.
#pragma once
#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "ui/BoardWnd.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    void NewGame(int nSize);
    void LoadNoticeTexts();
    void ShowStartNotice();

    int GetFrameWidth() const;
    int GetFrameHeight() const;
    int GetCenteredX() const;
    int GetCenteredY() const;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    LRESULT OnGameCleared(WPARAM wParam, LPARAM lParam);
    void OnGameRetry();
    void OnGame2x2();
    void OnGame3x3();
    void OnGame4x4();
    void OnGame5x5();
    void OnViewNavigation();

    int m_nGridSize;
    char m_szStartLine1[64];
    char m_szStartLine2[64];
    char m_szStartButton[64];
    char m_szStartCaption[64];
    char m_szResultLine1[64];
    char m_szResultLine2[64];
    char m_szResultButton[64];
    char m_szResultCaption[64];
    CStatusBar m_wndStatusBar;
    CBoardWnd m_wndBoard;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateBoard();
};
