// The board pane: the number buttons of one game, played by the rules of CBoardRules.
#pragma once
#include "framework/Wnd.h"
#include "game/BoardRules.h"

class CStatusBar;

class CBoardWnd : public CWnd, public CBoardRules {
public:
    CBoardWnd();
    ~CBoardWnd() override;

    // Ids IDC_NUMBER_BASE + 1 .. + N*N are clicks on the buttons, whatever the code; every command
    // goes on to the map as well.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, CCreateContext* pContext = nullptr) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    void SetStatusBar(CStatusBar* pStatusBar);
    void LoadHintTexts();

protected:
    void OnPaint();
    void OnClose();
    BOOL OnToolTipNeedText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    // Window operations of the rules
    CNumberCell* NewButton(int nRow, int nCol, int nPosition, int nCellSize) override;
    void CreateButtonWindow(CNumberCell* pButton, int nNumber) override;
    void ShowButton(CNumberCell* pButton, int bShow) override;
    void DestroyButton(CNumberCell* pButton) override;
    void SetStatusText(const char* pszText) override;
    void Beep(unsigned int nType) override;
    void NotifyCleared() override;

    CStatusBar* m_pStatusBar;

    DECLARE_MESSAGE_MAP()
};
