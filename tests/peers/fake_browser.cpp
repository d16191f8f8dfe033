// A browser's DDE side for the tests: fake_browser READY_EVENT LOG, set up from the environment:
// serves as FAKE_SERVICE, logs "topic<TAB>item" per request, answers WWW_GetWindowInfo with FAKE_REPLY (others "1"),
// declines FAKE_REFUSE and shows a frame captioned FAKE_CAPTION, of window class FAKE_CLASS when set.
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <cstdlib>
#include <string>

static DWORD s_instance = 0;
static const wchar_t* s_log = nullptr;

static std::string Env(const char* name)
{
    const char* value = getenv(name);
    return value ? value : "";
}

static HDDEDATA CALLBACK Serve(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    char t[256] = "", i[256] = "";
    DdeQueryStringA(s_instance, topic, t, sizeof t, CP_WINANSI);
    DdeQueryStringA(s_instance, item, i, sizeof i, CP_WINANSI);
    std::string name = t;   // every topic but FAKE_REFUSE: the log shows which the program asked for
    if (type == XTYP_CONNECT) return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(name != Env("FAKE_REFUSE")));
    if (type != XTYP_REQUEST) return nullptr;
    std::string line = name + "\t" + i + "\n";
    FILE* log = _wfopen(s_log, L"ab");
    fputs(line.c_str(), log);
    fclose(log);
    std::string answer = name == "WWW_GetWindowInfo" ? Env("FAKE_REPLY") : "1";
    return DdeCreateDataHandle(s_instance, reinterpret_cast<BYTE*>(answer.data()), static_cast<DWORD>(answer.size() + 1),
                               0, item, format, 0);
}

int wmain(int argc, wchar_t** argv)
{
    // The process ends without setting the ready event when it cannot serve.
    if (argc != 3 || DdeInitializeA(&s_instance, Serve, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0)) return 2;
    s_log = argv[2];
    HSZ service = DdeCreateStringHandleA(s_instance, Env("FAKE_SERVICE").c_str(), CP_WINANSI);
    if (!DdeNameService(s_instance, service, nullptr, DNS_REGISTER)) return 3;
    if (!Env("FAKE_CAPTION").empty()) {
        std::string className = Env("FAKE_CLASS");
        WNDCLASSA frameClass{0, DefWindowProcA, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, className.c_str()};
        if (className.empty() || !RegisterClassA(&frameClass)) className = "STATIC";
        HWND frame = CreateWindowExA(0, className.c_str(), Env("FAKE_CAPTION").c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                     300, 200, nullptr, nullptr, nullptr, nullptr);
        CreateWindowExA(0, "STATIC", "page", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame, nullptr, nullptr, nullptr);
    }
    SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DdeUninitialize(s_instance);   // which unregisters the service
    return 0;
}
