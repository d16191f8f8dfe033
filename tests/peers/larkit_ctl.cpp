// Drives a running larkit from outside, as another program would.
//   larkit_ctl wait MS        wait until a larkit window exists (exit 1 on time-out)
//   larkit_ctl post ID        post WM_COMMAND ID to it
//   larkit_ctl gone MS        wait until no larkit window exists (exit 1 on time-out)
#include <windows.h>

#include <cwchar>

static HWND FindLarkit() { return FindWindowW(L"LARKIT", nullptr); }

static bool WaitFor(bool present, DWORD ms)
{
    for (DWORD waited = 0; waited <= ms; waited += 50) {
        if ((FindLarkit() != nullptr) == present) return true;
        Sleep(50);
    }
    return false;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) return 2;
    DWORD number = static_cast<DWORD>(wcstoul(argv[2], nullptr, 10));
    if (!wcscmp(argv[1], L"wait")) return WaitFor(true, number) ? 0 : 1;
    if (!wcscmp(argv[1], L"gone")) return WaitFor(false, number) ? 0 : 1;
    if (!wcscmp(argv[1], L"post")) {
        HWND main = FindLarkit();
        return main && PostMessageW(main, WM_COMMAND, number, 0) ? 0 : 1;
    }
    return 2;
}
