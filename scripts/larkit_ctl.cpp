// Drives a running larkit from outside, as another program or a person would.
//   larkit_ctl wait MS        wait until a larkit window exists (exit 1 on time-out)
//   larkit_ctl post ID        post WM_COMMAND ID to it
//   larkit_ctl gone MS        wait until no larkit window exists (exit 1 on time-out)
//   larkit_ctl rect main      print the main window's screen rectangle: left top width height
//   larkit_ctl rect dialog    the same for larkit's frontmost dialog (exit 1 if none)
//   larkit_ctl rect menu      the same for the open menu (exit 1 if none)
//   larkit_ctl rclick N       right-click the label of the N-th visible tree item (from 0)
//   larkit_ctl key VK         press and release a key (a virtual-key code)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <utility>

static HWND FindLarkit() { return FindWindowW(L"LARKIT", nullptr); }

static bool WaitFor(bool present, DWORD ms)
{
    for (DWORD waited = 0; waited <= ms; waited += 50) {
        if ((FindLarkit() != nullptr) == present) return true;
        Sleep(50);
    }
    return false;
}

static bool PrintRect(HWND window)
{
    RECT r;
    if (!window || !GetWindowRect(window, &r)) return false;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return true;
}

struct PopupSearch {
    const wchar_t* cls;   // "#32770" a dialog, "#32768" a menu
    DWORD process;
    HWND found;
};

// Top-level windows come in z-order, front first: the first visible one of the class is the
// one on top.
static BOOL CALLBACK FindPopup(HWND window, LPARAM lp)
{
    auto* search = reinterpret_cast<PopupSearch*>(lp);
    wchar_t cls[32] = L"";
    GetClassNameW(window, cls, 32);
    if (wcscmp(cls, search->cls) || !IsWindowVisible(window)) return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // A menu window may belong to the system rather than to larkit's process.
    if (process != search->process && wcscmp(cls, L"#32768")) return TRUE;
    search->found = window;
    return FALSE;
}

static HWND FrontPopup(HWND main, const wchar_t* cls)
{
    PopupSearch search{cls, 0, nullptr};
    GetWindowThreadProcessId(main, &search.process);
    EnumWindows(FindPopup, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

static BOOL CALLBACK FindChildOfClass(HWND window, LPARAM lp)
{
    auto* wanted = reinterpret_cast<std::pair<const wchar_t*, HWND>*>(lp);
    wchar_t cls[64] = L"";
    GetClassNameW(window, cls, 64);
    if (wcscmp(cls, wanted->first)) return TRUE;
    wanted->second = window;
    return FALSE;
}

static HWND ChildOfClass(HWND main, const wchar_t* cls)
{
    std::pair<const wchar_t*, HWND> wanted{cls, nullptr};
    EnumChildWindows(main, FindChildOfClass, reinterpret_cast<LPARAM>(&wanted));
    return wanted.second;
}

// Sends a control message whose lParam points to a RECT, with the RECT in the control's own
// process; `rect` goes in (as some messages read it) and comes back.
static bool SendRectMessage(HWND control, UINT msg, WPARAM wp, RECT* rect)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(control, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof *rect, MEM_COMMIT, PAGE_READWRITE);
    bool done = remote && WriteProcessMemory(process, remote, rect, sizeof *rect, nullptr) &&
                SendMessageW(control, msg, wp, reinterpret_cast<LPARAM>(remote)) &&
                ReadProcessMemory(process, remote, rect, sizeof *rect, nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return done;
}

static void MovePointer(HWND window, POINT p)
{
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = (p.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = (p.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
}

static bool RightClickItem(HWND main, int n)
{
    HWND tree = ChildOfClass(main, WC_TREEVIEWW);
    if (!tree) return false;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    for (int i = 0; i < n && item; ++i)
        item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)));
    RECT r{};
    std::memcpy(&r, &item, sizeof item);   // the item goes in where the rectangle comes back
    if (!item || !SendRectMessage(tree, TVM_GETITEMRECT, TRUE, &r)) return false;
    SetForegroundWindow(main);
    MovePointer(tree, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    return SendInput(2, click, sizeof click[0]) == 2;
}

static bool PressKey(WORD vk)
{
    INPUT key[2]{};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = vk;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, key, sizeof key[0]) == 2;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) return 2;
    SetProcessDPIAware();   // the same pixels as larkit itself, at any scaling
    const wchar_t* verb = argv[1];
    DWORD number = static_cast<DWORD>(wcstoul(argv[2], nullptr, 10));
    if (!wcscmp(verb, L"wait")) return WaitFor(true, number) ? 0 : 1;
    if (!wcscmp(verb, L"gone")) return WaitFor(false, number) ? 0 : 1;
    if (!wcscmp(verb, L"key")) return PressKey(static_cast<WORD>(number)) ? 0 : 1;
    HWND main = FindLarkit();
    if (!main) return 1;
    if (!wcscmp(verb, L"post")) return PostMessageW(main, WM_COMMAND, number, 0) ? 0 : 1;
    if (!wcscmp(verb, L"rect")) {
        const wchar_t* what = argv[2];
        HWND window = !wcscmp(what, L"main") ? main : FrontPopup(main, !wcscmp(what, L"menu") ? L"#32768" : L"#32770");
        return PrintRect(window) ? 0 : 1;
    }
    if (!wcscmp(verb, L"rclick")) return RightClickItem(main, static_cast<int>(number)) ? 0 : 1;
    return 2;
}
