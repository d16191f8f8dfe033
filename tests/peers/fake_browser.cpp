// Plays a browser's DDE interface for the tests, logging every request it receives.
//   fake_browser READY_EVENT SERVICE LOG [--reply FILE] [--refuse TOPIC] [--late MS] [--caption TEXT]
// Serves the topics WWW_Activate, WWW_OpenURL and WWW_GetWindowInfo under SERVICE and appends
// "topic<TAB>item" per request to LOG (bytes as received). WWW_GetWindowInfo answers with the
// bytes of FILE; the others answer "1". --refuse declines conversations on TOPIC; --late holds
// the answer to WWW_Activate for MS milliseconds; --caption shows a top-level window with that
// caption and a child window. Sets READY_EVENT once it serves; ends on WM_QUIT to its thread.
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

static std::string NameText(HSZ name)
{
    char text[256] = "";
    DdeQueryStringA(s_instance, name, text, sizeof text, CP_WINANSI);
    return text;
}

// The whole file, or (with `append`) `bytes` added at its end.
static std::string FileBytes(const std::wstring& path, const std::string& append = {}, bool write = false)
{
    HANDLE file = CreateFileW(path.c_str(), write ? FILE_APPEND_DATA : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, write ? OPEN_ALWAYS : OPEN_EXISTING, 0, nullptr);
    std::string bytes = write ? append : std::string(file == INVALID_HANDLE_VALUE ? 0 : GetFileSize(file, nullptr), '\0');
    DWORD done = 0;
    if (write) WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    else ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
    return bytes;
}

static HDDEDATA CALLBACK Serve(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    std::string topicText = NameText(topic);
    if (type == XTYP_CONNECT)
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(
            topicText != s_refusedTopic &&
            (topicText == "WWW_Activate" || topicText == "WWW_OpenURL" || topicText == "WWW_GetWindowInfo")));
    if (type != XTYP_REQUEST) return nullptr;
    FileBytes(s_log, topicText + "\t" + NameText(item) + "\n", true);
    if (topicText == "WWW_Activate") Sleep(s_lateMs);
    std::string answer = topicText == "WWW_GetWindowInfo" ? s_reply : "1";
    return DdeCreateDataHandle(s_instance, reinterpret_cast<BYTE*>(answer.data()), static_cast<DWORD>(answer.size() + 1),
                               0, item, format, 0);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) return 2;
    s_log = argv[3];
    const wchar_t* caption = nullptr;
    for (int i = 4; i + 1 < argc; i += 2) {
        if (!wcscmp(argv[i], L"--reply")) s_reply = FileBytes(argv[i + 1]);
        else if (!wcscmp(argv[i], L"--refuse")) s_refusedTopic = Ansi(argv[i + 1]);
        else if (!wcscmp(argv[i], L"--late")) s_lateMs = static_cast<DWORD>(wcstoul(argv[i + 1], nullptr, 10));
        else if (!wcscmp(argv[i], L"--caption")) caption = argv[i + 1];
    }
    if (DdeInitializeA(&s_instance, Serve, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0) != DMLERR_NO_ERROR)
        return 3;
    HSZ service = DdeCreateStringHandleA(s_instance, Ansi(argv[2]).c_str(), CP_WINANSI);
    if (!DdeNameService(s_instance, service, nullptr, DNS_REGISTER)) return 4;
    if (caption) {   // a browser frame with a page inside
        HWND frame = CreateWindowExW(0, L"STATIC", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                     nullptr, nullptr, nullptr);
        CreateWindowExW(0, L"STATIC", L"page", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame, nullptr, nullptr, nullptr);
    }
    if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1])) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DdeNameService(s_instance, service, nullptr, DNS_UNREGISTER);
    DdeUninitialize(s_instance);
    return 0;
}
