#pragma once
// Small helpers shared by the benchmark programs: clock, statistics, paths and finding a process's windows.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

inline double NowMs()
{
    static LARGE_INTEGER s_freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(s_freq.QuadPart);
}

// Nearest-rank percentile of a sample (p in 0..100).
inline double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    size_t rank = static_cast<size_t>(p / 100.0 * static_cast<double>(v.size()) + 0.999999);
    rank = std::min(std::max<size_t>(rank, 1), v.size());
    return v[rank - 1];
}

// Wine accepts Windows paths; a Unix path becomes one on drive Z:.
inline std::string WindowsPath(std::string path)
{
    if (!path.empty() && path[0] == '/') {
        std::replace(path.begin(), path.end(), '/', '\\');
        path = "Z:" + path;
    }
    return path;
}

struct CFindArgs {
    DWORD pid;
    const char* pszClass;
    const char* pszTitle;
    HWND hFound;
};

inline BOOL CALLBACK FindTopProc(HWND hWnd, LPARAM lParam)
{
    CFindArgs* args = reinterpret_cast<CFindArgs*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid != args->pid || !IsWindowVisible(hWnd))
        return TRUE;
    char buf[256] = "";
    if (args->pszClass) {
        GetClassNameA(hWnd, buf, sizeof buf);
        if (lstrcmpA(buf, args->pszClass) != 0)
            return TRUE;
    }
    if (args->pszTitle) {
        GetWindowTextA(hWnd, buf, sizeof buf);
        if (lstrcmpA(buf, args->pszTitle) != 0)
            return TRUE;
    }
    args->hFound = hWnd;
    return FALSE;
}

// A visible top-level window of the process, of the class and title given (null: any).
inline HWND FindTop(DWORD pid, const char* pszClass, const char* pszTitle = nullptr)
{
    CFindArgs args = {pid, pszClass, pszTitle, nullptr};
    EnumWindows(FindTopProc, reinterpret_cast<LPARAM>(&args));
    return args.hFound;
}

inline bool Launch(const std::string& exe, PROCESS_INFORMATION& pi)
{
    std::string cmd = "\"" + WindowsPath(exe) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    return CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) != 0;
}

inline void Kill(PROCESS_INFORMATION& pi)
{
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace bench
