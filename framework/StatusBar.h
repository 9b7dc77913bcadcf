// The common-controls status bar with plain-text panes (never owner-drawn, so WM_GETTEXT reads them).
#pragma once
#include "framework/Wnd.h"
#include "framework/res/FrameworkRes.h"

#include <vector>

// Placement styles of control bars; kept out of the window's own style bits.
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)


class CStatusBar : public CWnd {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id; ID_SEPARATOR (0) panes start empty, others show their string.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    // Shows the text at once when bUpdate; the text a pane already holds changes nothing.
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const;
    int GetCount() const { return static_cast<int>(m_astrPaneText.size()); }

protected:
    DWORD m_dwBarStyle;    // the CBRS_ bits
    std::vector<UINT> m_anIDs;
    std::vector<CString> m_astrPaneText;

    DECLARE_MESSAGE_MAP()

private:
    using CWnd::Create;
    void ApplyParts();
};
