// Plays a browser's DDE interface for the tests, logging every request it receives.
//   fake_browser READY_EVENT SERVICE LOG [--reply FILE] [--refuse TOPIC] [--late MS] [--caption TEXT]
// Appends "topic<TAB>item" per request to LOG; WWW_GetWindowInfo answers the bytes of FILE, the
// others "1". --refuse declines TOPIC; --late holds the WWW_Activate answer MS ms; --caption shows
// a frame with that caption and a child. Sets READY_EVENT once it serves; ends on WM_QUIT.
#include <windows.h>
#include <ddeml.h>

#include <cwchar>
#include <string>

static DWORD s_instance = 0;
static std::wstring s_log;
static std::string s_reply, s_refusedTopic;
static DWORD s_lateMs = 0;

static std::string Ansi(const wchar_t* wide)
{
    char text[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

static HDDEDATA CALLBACK Serve(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    char t[256] = "", i[256] = "";
    DdeQueryStringA(s_instance, topic, t, sizeof t, CP_WINANSI);
    DdeQueryStringA(s_instance, item, i, sizeof i, CP_WINANSI);
    std::string name = t;
    if (type == XTYP_CONNECT)
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(
            name != s_refusedTopic && (name == "WWW_Activate" || name == "WWW_OpenURL" || name == "WWW_GetWindowInfo")));
    if (type != XTYP_REQUEST) return nullptr;
    std::string line = name + "\t" + i + "\n";
    HANDLE log = CreateFileW(s_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0,
                             nullptr);
    DWORD done = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &done, nullptr);
    CloseHandle(log);
    if (name == "WWW_Activate") Sleep(s_lateMs);
    std::string answer = name == "WWW_GetWindowInfo" ? s_reply : "1";
    return DdeCreateDataHandle(s_instance, reinterpret_cast<BYTE*>(answer.data()), static_cast<DWORD>(answer.size() + 1),
                               0, item, format, 0);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) return 2;
    s_log = argv[3];
    const wchar_t* caption = nullptr;
    for (int i = 4; i + 1 < argc; i += 2) {
        if (!wcscmp(argv[i], L"--reply")) {
            HANDLE file = CreateFileW(argv[i + 1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            s_reply.resize(GetFileSize(file, nullptr));
            DWORD done = 0;
            ReadFile(file, s_reply.data(), static_cast<DWORD>(s_reply.size()), &done, nullptr);
            CloseHandle(file);
        }
        else if (!wcscmp(argv[i], L"--refuse")) s_refusedTopic = Ansi(argv[i + 1]);
        else if (!wcscmp(argv[i], L"--late")) s_lateMs = static_cast<DWORD>(wcstoul(argv[i + 1], nullptr, 10));
        else if (!wcscmp(argv[i], L"--caption")) caption = argv[i + 1];
    }
    if (DdeInitializeA(&s_instance, Serve, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0) != DMLERR_NO_ERROR)
        return 3;
    HSZ service = DdeCreateStringHandleA(s_instance, Ansi(argv[2]).c_str(), CP_WINANSI);
    if (!DdeNameService(s_instance, service, nullptr, DNS_REGISTER)) return 4;
    if (caption) {
        HWND frame = CreateWindowExW(0, L"STATIC", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                     nullptr, nullptr, nullptr);
        CreateWindowExW(0, L"STATIC", L"page", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame, nullptr, nullptr, nullptr);
    }
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
    SetEvent(ready);
    CloseHandle(ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DdeNameService(s_instance, service, nullptr, DNS_UNREGISTER);
    DdeUninitialize(s_instance);
    return 0;
}
