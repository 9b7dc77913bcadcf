// Cost of a new 5x5 game inside the running program: the board's part (old buttons destroyed, 25 made,
// numbered and shown) and the frame's whole NewGame, whose start notice a hook closes as soon as it is
// active. Prints figures; asserts nothing.
//   bench_newgame RUNS
#include "bench/BenchUtil.h"
#include "framework/Afx.h"
#include "framework/WinApp.h"
#include "ui/BoardWnd.h"
#include "ui/GameApp.h"
#include "ui/MainFrame.h"

#include <cstdio>
#include <cstdlib>

namespace {

LRESULT CALLBACK CloseDialogs(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE) {
        char szClass[16] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), szClass, sizeof szClass);
        if (lstrcmpA(szClass, "#32770") == 0)
            PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class CFrameAccess : public CMainFrame {
public:
    static CBoardWnd& Board(CMainFrame* pFrame) { return pFrame->*(&CFrameAccess::m_wndBoard); }
};

void Report(const char* pszWhat, const std::vector<double>& samples)
{
    std::printf("newgame: %s: median %.3f ms, p99 %.3f ms, min %.3f ms (%zu runs)\n", pszWhat,
                bench::Percentile(samples, 50), bench::Percentile(samples, 99), bench::Percentile(samples, 0),
                samples.size());
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    CGameApp app;
    HHOOK hHook = SetWindowsHookExA(WH_CBT, CloseDialogs, nullptr, GetCurrentThreadId());
    AfxSetInstanceHandle(GetModuleHandleA(nullptr));
    app.m_hInstance = GetModuleHandleA(nullptr);
    if (!app.InitInstance() || !AfxGetMainWnd()) {
        std::printf("newgame: the frame did not start\n");
        return 1;
    }
    PumpPending();
    CMainFrame* pFrame = static_cast<CMainFrame*>(AfxGetMainWnd());
    CBoardWnd& board = CFrameAccess::Board(pFrame);

    std::vector<double> boardOnly, whole;
    for (int i = 0; i < runs; ++i) {
        double t0 = bench::NowMs();
        board.DestroyButtons();
        board.SetGridSize(5);
        board.StartGame();
        boardOnly.push_back(bench::NowMs() - t0);
        PumpPending();
    }
    for (int i = 0; i < runs; ++i) {
        double t0 = bench::NowMs();
        pFrame->NewGame(5);
        whole.push_back(bench::NowMs() - t0);
        PumpPending();
    }
    Report("board's part (DestroyButtons + StartGame, 5x5)", boardOnly);
    Report("CMainFrame::NewGame(5) with its start notice closed at once", whole);
    UnhookWindowsHookEx(hHook);
    SendMessageA(pFrame->m_hWnd, WM_CLOSE, 0, 0);
    PumpPending();
    return 0;
}
