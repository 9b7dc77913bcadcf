// Looks at another program's windows from the same Wine session and prints what it sees as JSON lines.
// Texts are printed as hex of their code page 932 bytes, so the driver compares bytes, never conversions.
//
//   winprobe snapshot [IMAGE.exe]        one snapshot of the top-level windows (of that image only)
//   winprobe send|post HWND MSG WP LP    SendMessageTimeout / PostMessage, prints the result
//   winprobe serve                       reads the commands above from stdin, one JSON line per command
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const UINT kTextTimeoutMs = 2000;

std::string Hex(const std::string& bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

std::string Quote(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Num(unsigned long long v)
{
    return std::to_string(v);
}

// WM_GETTEXT through a timeout, so a hung target cannot hang the probe; a status bar answers with pane 0.
std::string WindowText(HWND hWnd)
{
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutA(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs, &len))
        return std::string();
    std::vector<char> buf(len + 2, '\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(hWnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                             SMTO_ABORTIFHUNG, kTextTimeoutMs, &got))
        return std::string();
    return std::string(buf.data(), strnlen(buf.data(), buf.size()));
}

std::string ClassOf(HWND hWnd)
{
    char name[256] = "";
    GetClassNameA(hWnd, name, sizeof name);
    return name;
}

std::string RectJson(const RECT& rc)
{
    return "[" + std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom) + "]";
}

// Menus of another process may not be readable (Wine keeps them per process); then "menu" is null.
std::string MenuJson(HMENU hMenu, int depth)
{
    int count = GetMenuItemCount(hMenu);
    if (count < 0)
        return "null";
    std::string out = "[";
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        if (!GetMenuItemInfoA(hMenu, i, TRUE, &info))
            continue;
        if (i)
            out += ",";
        out += "{\"id\":" + Num(info.wID) + ",\"state\":" + Num(info.fState) + ",\"type\":" + Num(info.fType) +
               ",\"text\":\"" + Hex(text) + "\"";
        if (info.hSubMenu && depth < 2)
            out += ",\"sub\":" + MenuJson(info.hSubMenu, depth + 1);
        out += "}";
    }
    return out + "]";
}

std::string WindowJson(HWND hWnd, bool topLevel);

struct CChildList {
    HWND hParent;
    std::vector<HWND> children;
};

BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lParam)
{
    CChildList* list = reinterpret_cast<CChildList*>(lParam);
    if (GetParent(hWnd) == list->hParent)  // direct children only; grandchildren come with their parent
        list->children.push_back(hWnd);
    return TRUE;
}

std::string WindowJson(HWND hWnd, bool topLevel)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    RECT client = {};
    GetClientRect(hWnd, &client);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    std::string out = "{\"hwnd\":" + Num(reinterpret_cast<UINT_PTR>(hWnd)) + ",\"pid\":" + Num(pid) +
                      ",\"class\":" + Quote(ClassOf(hWnd)) + ",\"text\":\"" + Hex(WindowText(hWnd)) +
                      "\",\"rect\":" + RectJson(rc) + ",\"client\":" + RectJson(client) +
                      ",\"visible\":" + (IsWindowVisible(hWnd) ? "true" : "false") +
                      ",\"enabled\":" + (IsWindowEnabled(hWnd) ? "true" : "false") +
                      ",\"style\":" + Num(static_cast<DWORD>(GetWindowLongA(hWnd, GWL_STYLE))) +
                      ",\"exstyle\":" + Num(static_cast<DWORD>(GetWindowLongA(hWnd, GWL_EXSTYLE)));
    if (topLevel) {
        out += ",\"owner\":" + Num(reinterpret_cast<UINT_PTR>(GetWindow(hWnd, GW_OWNER)));
        HMENU hMenu = GetMenu(hWnd);
        out += ",\"menu\":" + (hMenu && IsMenu(hMenu) ? MenuJson(hMenu, 0) : std::string("null"));
    } else {
        out += ",\"id\":" + Num(static_cast<DWORD>(GetDlgCtrlID(hWnd)));
    }
    CChildList list = {hWnd, {}};
    EnumChildWindows(hWnd, CollectChild, reinterpret_cast<LPARAM>(&list));
    out += ",\"children\":[";
    for (size_t i = 0; i < list.children.size(); ++i)
        out += (i ? "," : "") + WindowJson(list.children[i], false);
    return out + "]}";
}

std::set<DWORD> ProcessesOf(const std::string& image)
{
    std::set<DWORD> pids;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return pids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32First(snap, &entry); ok; ok = Process32Next(snap, &entry)) {
        if (lstrcmpiA(entry.szExeFile, image.c_str()) == 0)
            pids.insert(entry.th32ProcessID);
    }
    CloseHandle(snap);
    return pids;
}

struct CTopList {
    std::set<DWORD> pids;
    bool bFilter;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTop(HWND hWnd, LPARAM lParam)
{
    CTopList* list = reinterpret_cast<CTopList*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid == GetCurrentProcessId())
        return TRUE;
    if (list->bFilter ? list->pids.count(pid) != 0 : IsWindowVisible(hWnd) != FALSE)
        list->windows.push_back(hWnd);
    return TRUE;
}

// Top-level windows (Z order, topmost first) of the given image, or every visible one of other processes.
std::string Snapshot(const std::string& image)
{
    CTopList list;
    list.bFilter = !image.empty();
    if (list.bFilter)
        list.pids = ProcessesOf(image);
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&list));
    POINT cursor = {};
    GetCursorPos(&cursor);
    std::string out = "{\"ok\":true,\"ticks\":" + Num(GetTickCount()) + ",\"screen\":[" +
                      std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "," +
                      std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "]";
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    out += ",\"workarea\":" + RectJson(work);
    out += ",\"cursor\":[" + std::to_string(cursor.x) + "," + std::to_string(cursor.y) + "]";
    out += ",\"foreground\":" + Num(reinterpret_cast<UINT_PTR>(GetForegroundWindow()));
    out += ",\"pids\":[";
    bool first = true;
    for (DWORD pid : list.pids) {
        out += (first ? "" : ",") + Num(pid);
        first = false;
    }
    out += "],\"windows\":[";
    for (size_t i = 0; i < list.windows.size(); ++i)
        out += (i ? "," : "") + WindowJson(list.windows[i], true);
    return out + "]}";
}

unsigned long Parse(const std::string& s)
{
    return std::strtoul(s.c_str(), nullptr, 0);
}

std::string Message(bool bSend, const std::vector<std::string>& args)
{
    if (args.size() < 5)
        return "{\"ok\":false,\"error\":\"usage: send|post HWND MSG WPARAM LPARAM\"}";
    HWND hWnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(Parse(args[1])));
    UINT msg = static_cast<UINT>(Parse(args[2]));
    WPARAM wParam = Parse(args[3]);
    LPARAM lParam = static_cast<LPARAM>(Parse(args[4]));
    if (!IsWindow(hWnd))
        return "{\"ok\":false,\"error\":\"no such window\"}";
    if (!bSend) {
        BOOL ok = PostMessageA(hWnd, msg, wParam, lParam);
        return std::string("{\"ok\":") + (ok ? "true" : "false") + "}";
    }
    DWORD_PTR result = 0;
    BOOL ok = SendMessageTimeoutA(hWnd, msg, wParam, lParam, SMTO_NORMAL, 5000, &result) != 0;
    return std::string("{\"ok\":") + (ok ? "true" : "false") + ",\"result\":" + Num(result) + "}";
}

std::string Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return "{\"ok\":false,\"error\":\"empty command\"}";
    if (args[0] == "snapshot")
        return Snapshot(args.size() > 1 ? args[1] : std::string());
    if (args[0] == "send" || args[0] == "post")
        return Message(args[0] == "send", args);
    if (args[0] == "ping")
        return "{\"ok\":true,\"ticks\":" + Num(GetTickCount()) + "}";
    return "{\"ok\":false,\"error\":" + Quote("unknown command " + args[0]) + "}";
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "serve") {
        char line[1024];
        while (std::fgets(line, sizeof line, stdin)) {
            std::istringstream words(line);
            std::vector<std::string> command;
            for (std::string w; words >> w;)
                command.push_back(w);
            if (!command.empty() && command[0] == "quit")
                break;
            std::printf("%s\n", Run(command).c_str());
            std::fflush(stdout);
        }
        return 0;
    }
    std::string out = Run(args);
    std::printf("%s\n", out.c_str());
    return out.rfind("{\"ok\":true", 0) == 0 ? 0 : 1;
}
