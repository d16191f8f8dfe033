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
static std::string s_reply;
static std::string s_refusedTopic;
static DWORD s_lateMs = 0;

static std::string Ansi(const wchar_t* wide)
{
    int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(n > 0 ? static_cast<size_t>(n) : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), n, nullptr, nullptr);
    text.resize(text.size() - 1);
    return text;
}

static std::string NameText(HSZ name)
{
    char text[256] = "";
    DdeQueryStringA(s_instance, name, text, sizeof text, CP_WINANSI);
    return text;
}

static void AppendToLog(const std::string& line)
{
    HANDLE file = CreateFileW(s_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

static bool IsServedTopic(const std::string& topic)
{
    if (topic == s_refusedTopic) return false;
    return topic == "WWW_Activate" || topic == "WWW_OpenURL" || topic == "WWW_GetWindowInfo";
}

static HDDEDATA CALLBACK Serve(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    if (type == XTYP_CONNECT) return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(IsServedTopic(NameText(topic))));
    if (type != XTYP_REQUEST) return nullptr;
    std::string topicText = NameText(topic);
    AppendToLog(topicText + "\t" + NameText(item));
    if (topicText == "WWW_Activate" && s_lateMs) Sleep(s_lateMs);
    std::string answer = topicText == "WWW_GetWindowInfo" ? s_reply : "1";
    return DdeCreateDataHandle(s_instance, reinterpret_cast<BYTE*>(answer.data()), static_cast<DWORD>(answer.size() + 1),
                               0, item, format, 0);
}

static std::string ReadBytes(const wchar_t* path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    CloseHandle(file);
    return bytes;
}

static void ShowWindowWithCaption(const wchar_t* caption)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FakeBrowserFrame";
    RegisterClassW(&wc);
    HWND frame = CreateWindowExW(0, wc.lpszClassName, caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    CreateWindowExW(0, L"STATIC", L"page", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame, nullptr, wc.hInstance, nullptr);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) return 2;
    std::string service = Ansi(argv[2]);
    s_log = argv[3];
    const wchar_t* caption = nullptr;
    for (int i = 4; i + 1 < argc; i += 2) {
        if (!wcscmp(argv[i], L"--reply")) s_reply = ReadBytes(argv[i + 1]);
        else if (!wcscmp(argv[i], L"--refuse")) s_refusedTopic = Ansi(argv[i + 1]);
        else if (!wcscmp(argv[i], L"--late")) s_lateMs = static_cast<DWORD>(wcstoul(argv[i + 1], nullptr, 10));
        else if (!wcscmp(argv[i], L"--caption")) caption = argv[i + 1];
    }
    if (DdeInitializeA(&s_instance, Serve, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0) != DMLERR_NO_ERROR)
        return 3;
    HSZ serviceName = DdeCreateStringHandleA(s_instance, service.c_str(), CP_WINANSI);
    if (!DdeNameService(s_instance, serviceName, nullptr, DNS_REGISTER)) return 4;
    if (caption) ShowWindowWithCaption(caption);
    if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1])) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DdeNameService(s_instance, serviceName, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(s_instance, serviceName);
    DdeUninitialize(s_instance);
    return 0;
}
