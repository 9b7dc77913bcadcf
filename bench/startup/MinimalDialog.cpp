// The yardstick for start-up time: the smallest Win32 GUI program that shows a modal dialog, built with
// the same compiler, flags and static run time as Pelmo.exe. Its template is built in memory.
#include <windows.h>

#include <cstring>

namespace {

INT_PTR CALLBACK DialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// A DLGTEMPLATE with caption and one OK button, WORD-aligned as the dialog manager wants it.
struct CTemplateWriter {
    alignas(4) WORD m_aData[512];
    size_t m_nWords = 0;
    void Word(WORD w) { m_aData[m_nWords++] = w; }
    void Dword(DWORD d) { Word(LOWORD(d)); Word(HIWORD(d)); }
    void Text(const wchar_t* psz)
    {
        do
            Word(static_cast<WORD>(*psz));
        while (*psz++);
    }
    void AlignDword()
    {
        if (m_nWords % 2)
            Word(0);
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CTemplateWriter t;
    t.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER);
    t.Dword(0);
    t.Word(1);  // one control
    t.Word(0);
    t.Word(0);
    t.Word(120);
    t.Word(80);
    t.Word(0);  // no menu
    t.Word(0);  // default class
    t.Text(L"BenchDialog");
    t.AlignDword();
    t.Dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
    t.Dword(0);
    t.Word(28);
    t.Word(38);
    t.Word(60);
    t.Word(25);
    t.Word(IDOK);
    t.Word(0xFFFF);
    t.Word(0x0080);  // BUTTON
    t.Text(L"OK");
    t.Word(0);
    return static_cast<int>(DialogBoxIndirectParamA(hInstance, reinterpret_cast<LPCDLGTEMPLATEA>(t.m_aData),
                                                    nullptr, DialogProc, 0)) == IDOK ? 0 : 1;
}
