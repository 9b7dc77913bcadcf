// Closes the modal dialogs (and message boxes) that the code under test opens on this thread:
// a WH_CBT hook sees each dialog activate, records its caption and texts and posts a command that
// closes it; a thread timer closes anything the hook missed, so a test never hangs.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace guitest {

struct SeenDialog {
    std::string strCaption;
    std::vector<std::string> astrTexts;    // texts of its children in Z order, cp932
    std::vector<int> anIDs;                // their control ids
    // The text of the child with this id ("" when absent). Message boxes put theirs in 0xFFFF.
    std::string TextOf(int nID) const;
};

class CDialogCloser {
public:
    // nCommand is posted as WM_COMMAND to each dialog; IDOK closes message boxes with an OK button.
    explicit CDialogCloser(UINT nCommand = IDOK, DWORD nFallbackMs = 10000);
    ~CDialogCloser();

    const std::vector<SeenDialog>& GetSeen() const { return m_aSeen; }
    int GetCount() const { return static_cast<int>(m_aSeen.size()); }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK FallbackTimerProc(HWND, UINT, UINT_PTR, DWORD);

    UINT m_nCommand;
    HHOOK m_hHook;
    UINT_PTR m_nTimer;
    std::vector<SeenDialog> m_aSeen;

    CDialogCloser(const CDialogCloser&) = delete;
    CDialogCloser& operator=(const CDialogCloser&) = delete;
};

} // namespace guitest
