// Shows the About box and the notice (start and result texts) from their templates, side by
// side, so that a screenshot can show whether every text fits. Closes itself after the number
// of seconds given on the command line (default 10).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK PreviewProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

HWND ShowAt(HINSTANCE instance, UINT id, int x, int y)
{
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(id), nullptr, PreviewProc, 0);
    if (dialog != nullptr) {
        SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    return dialog;
}

// Fills a notice with the result texts, as the frame does after a cleared board.
void ShowResultTexts(HINSTANCE instance, HWND notice)
{
    char text[64] = "", format[64] = "";
    LoadStringA(instance, IDS_RESULT_CAPTION, text, sizeof text);
    SetWindowTextA(notice, text);
    LoadStringA(instance, IDS_RESULT_LINE1, text, sizeof text);
    SetDlgItemTextA(notice, IDC_NOTICE_LINE1, text);
    LoadStringA(instance, IDS_RESULT_LINE2, format, sizeof format);
    std::snprintf(text, sizeof text, format, 123.45);
    SetDlgItemTextA(notice, IDC_NOTICE_LINE2, text);
    LoadStringA(instance, IDS_RESULT_BUTTON, text, sizeof text);
    SetDlgItemTextA(notice, IDOK, text);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    int seconds = std::atoi(commandLine);
    ShowAt(instance, IDD_NOTICE, 40, 40);
    ShowResultTexts(instance, ShowAt(instance, IDD_NOTICE, 260, 40));
    ShowAt(instance, IDD_ABOUTBOX, 40, 240);
    SetTimer(nullptr, 1, (seconds > 0 ? seconds : 10) * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr)
            break;
        DispatchMessageA(&msg);
    }
    return 0;
}
