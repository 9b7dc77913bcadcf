// Click-to-repaint latency: a real mouse click (SendInput) on the next number button of a running
// Pelmo.exe until its status pane holds the new text. The pane is repainted inside the click handler, and
// our WM_GETTEXT is answered only after that handler returns, so the change marks the repainted pane.
// Prints median and p99; asserts nothing.
//   bench_latency GAMES PELMO.exe
#include "bench/BenchUtil.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

const UINT kIdStatusBar = 0xE801;
const UINT kIdBoard = 0xE900;

std::string Text(HWND hWnd)
{
    char buf[256] = "";
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_NORMAL, 5000,
                             &got))
        return std::string();
    return buf;
}

HWND WaitTop(DWORD pid, const char* pszClass, const char* pszTitle, double timeoutMs = 20000)
{
    double t0 = bench::NowMs();
    while (bench::NowMs() - t0 < timeoutMs) {
        if (HWND hWnd = bench::FindTop(pid, pszClass, pszTitle))
            return hWnd;
        Sleep(2);
    }
    return nullptr;
}

void PressOk(HWND hDlg)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDOK)));
}

struct CButtons {
    std::map<int, HWND> byNumber;
};

BOOL CALLBACK CollectButton(HWND hWnd, LPARAM lParam)
{
    int id = GetDlgCtrlID(hWnd);
    if (id > 5000 && id <= 5025 && IsWindowVisible(hWnd))
        reinterpret_cast<CButtons*>(lParam)->byNumber[std::atoi(Text(hWnd).c_str())] = hWnd;
    return TRUE;
}

// One batch of input: move there, press, release, all at absolute coordinates, so that no earlier cursor
// position can take the press.
void ClickAt(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    LONG nX = ((rc.left + rc.right) / 2 * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    LONG nY = ((rc.top + rc.bottom) / 2 * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    const DWORD anFlags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    INPUT in[3] = {};
    for (int i = 0; i < 3; ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dx = nX;
        in[i].mi.dy = nY;
        in[i].mi.dwFlags = anFlags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(3, in, sizeof(INPUT));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_latency GAMES PELMO.exe\n");
        return 2;
    }
    int games = std::atoi(argv[1]);
    PROCESS_INFORMATION pi = {};
    if (!bench::Launch(argv[2], pi)) {
        std::printf("latency: cannot start %s\n", argv[2]);
        return 1;
    }
    std::vector<double> samples;
    int status = 0;
    for (int g = 0; g < games && status == 0; ++g) {
        HWND hNotice = WaitTop(pi.dwProcessId, "#32770", nullptr);
        HWND hFrame = hNotice ? GetWindow(hNotice, GW_OWNER) : nullptr;
        if (!hNotice || !hFrame) {
            std::printf("latency: no start notice\n");
            status = 1;
            break;
        }
        PressOk(hNotice);
        while (bench::FindTop(pi.dwProcessId, "#32770") || !IsWindowEnabled(hFrame) || !IsWindowVisible(hFrame))
            Sleep(2);
        HWND hStatus = GetDlgItem(hFrame, kIdStatusBar);
        HWND hBoard = GetDlgItem(hFrame, kIdBoard);
        // The buttons come after the notice has gone: wait for all 25.
        CButtons buttons;
        for (double t0 = bench::NowMs(); buttons.byNumber.size() < 25 && bench::NowMs() - t0 < 10000; Sleep(2)) {
            buttons.byNumber.clear();
            EnumChildWindows(hBoard, CollectButton, reinterpret_cast<LPARAM>(&buttons));
        }
        Sleep(100);
        for (const auto& entry : buttons.byNumber) {
            std::string before = Text(hStatus);
            double t0 = bench::NowMs();
            ClickAt(entry.second);
            while (Text(hStatus) == before && bench::NowMs() - t0 < 5000)
                ;
            samples.push_back(bench::NowMs() - t0);
        }
        HWND hResult = WaitTop(pi.dwProcessId, "#32770", nullptr);
        if (!hResult) {
            std::printf("latency: no result notice\n");
            status = 1;
            break;
        }
        PressOk(hResult);
        while (bench::FindTop(pi.dwProcessId, "#32770") == hResult)
            Sleep(2);
    }
    bench::Kill(pi);
    if (samples.empty())
        return 1;
    std::printf("latency: click to repainted status pane: median %.2f ms, p99 %.2f ms, max %.2f ms (%zu clicks)\n",
                bench::Percentile(samples, 50), bench::Percentile(samples, 99), bench::Percentile(samples, 100),
                samples.size());
    return status;
}
