// Modal dialogs from a dialog template, with data exchange between controls and members.
#pragma once
#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;    // destroys a window still open

    // IDOK or IDCANCEL as the dialog was ended, or -1 when the template is missing or creation failed.
    virtual INT_PTR DoModal();
    // Fills the controls from the members; TRUE lets the dialog manager focus the first tab stop.
    virtual BOOL OnInitDialog();
    // Saves and validates the members; only a successful transfer ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();

    // TRUE: controls -> members with validation; FALSE: members -> controls. FALSE when a check failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Ends the modal loop once control returns to it; DoModal then returns nResult.
    void EndDialog(int nResult);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    LPCSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;
    int m_nModalResult;
    BOOL m_bContinueModal;

    DECLARE_MESSAGE_MAP()

private:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    HWND GetModalOwner() const;
    void RunModalLoop();
    void CenterOverOwner();
    static BOOL PreTranslateModalMessage(HWND hDlg, MSG* pMsg);

    BOOL m_bInModal;
};
