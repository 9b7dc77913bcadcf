// The real Pelmo.exe in a process of its own: started, its start notice answered, then ended mid-game
// by the close box, Alt+F4 or the exit item; the process must end with exit code 0.
#include "common/WindowFinder.h"
#include "frame/FrameTexts.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>

using namespace frametest;

namespace {

struct FindData {
    DWORD nProcessId;
    const char* pszClass;
    const char* pszCaption;
    HWND hWndFound;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam)
{
    FindData* pData = reinterpret_cast<FindData*>(lParam);
    DWORD nProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &nProcessId);
    if (nProcessId != pData->nProcessId || !::IsWindowVisible(hWnd))
        return TRUE;
    if (pData->pszClass != nullptr && guitest::GetClassNameOf(hWnd) != pData->pszClass)
        return TRUE;
    if (guitest::GetTextOf(hWnd) != pData->pszCaption)
        return TRUE;
    pData->hWndFound = hWnd;
    return FALSE;
}

// A visible top-level window of the process; waits up to nTimeoutMs (a guard, not a measurement).
HWND WaitForWindow(DWORD nProcessId, const char* pszClass, const char* pszCaption, DWORD nTimeoutMs = 20000)
{
    DWORD nStart = ::GetTickCount();
    for (;;) {
        FindData data = { nProcessId, pszClass, pszCaption, nullptr };
        ::EnumWindows(FindProc, reinterpret_cast<LPARAM>(&data));
        if (data.hWndFound != nullptr || ::GetTickCount() - nStart > nTimeoutMs)
            return data.hWndFound;
        ::Sleep(10);
    }
}

struct ExitCase {
    const char* pszName;
    UINT nMsg;
    WPARAM wParam;
    LPARAM lParam;
};

const ExitCase kExitCases[] = {
    { "close box", WM_SYSCOMMAND, SC_CLOSE, 0 },
    { "Alt+F4", WM_SYSKEYDOWN, VK_F4, 0x203E0001 },
    { "exit item", WM_COMMAND, ID_APP_EXIT, 0 },
};

class PelmoProcessTest : public ::testing::TestWithParam<ExitCase> {};

} // namespace

TEST_P(PelmoProcessTest, EndsWithExitCodeZeroMidGame)
{
    char szCommandLine[MAX_PATH + 2];
    std::snprintf(szCommandLine, sizeof szCommandLine, "\"%s\"", PELMO_EXE_PATH);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    DWORD nStart = ::GetTickCount();
    ASSERT_TRUE(::CreateProcessA(nullptr, szCommandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << PELMO_EXE_PATH << " error " << ::GetLastError();

    HWND hNotice = WaitForWindow(pi.dwProcessId, "#32770", kStartCaption);
    DWORD nNoticeMs = ::GetTickCount() - nStart;
    EXPECT_NE(hNotice, nullptr) << "no start notice";
    if (hNotice != nullptr) {
        std::printf("start notice visible %lu ms after process start\n", static_cast<unsigned long>(nNoticeMs));
        ::PostMessageA(hNotice, WM_COMMAND, IDOK, 0);
    }
    HWND hWndFrame = WaitForWindow(pi.dwProcessId, nullptr, kTitle);
    EXPECT_NE(hWndFrame, nullptr) << "no main window";
    if (hWndFrame != nullptr)
        ::PostMessageA(hWndFrame, GetParam().nMsg, GetParam().wParam, GetParam().lParam);

    DWORD nWait = ::WaitForSingleObject(pi.hProcess, 20000);
    EXPECT_EQ(WAIT_OBJECT_0, nWait) << "the program did not end";
    if (nWait != WAIT_OBJECT_0)
        ::TerminateProcess(pi.hProcess, 99);
    DWORD nExitCode = 99;
    ::GetExitCodeProcess(pi.hProcess, &nExitCode);
    EXPECT_EQ(0u, nExitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

INSTANTIATE_TEST_SUITE_P(Pelmo, PelmoProcessTest, ::testing::ValuesIn(kExitCases),
                         [](const ::testing::TestParamInfo<ExitCase>& info) {
                             std::string strName = info.param.pszName;
                             for (char& ch : strName)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return strName;
                         });
