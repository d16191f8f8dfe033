// Starting and stopping the helper programs, and the App Paths entries of the tests.
#include "tests/app/peers.h"

bool Peer::Start(const wchar_t* program, const std::vector<std::wstring>& args)
{
    static int s_started = 0;
    std::wstring ready = L"larkit-peer-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++s_started);
    HANDLE waits[2] = {CreateEventW(nullptr, TRUE, FALSE, ready.c_str()), nullptr};
    std::wstring commandLine = L"\"" + BesideTests(program) + L"\" \"" + ready + L"\"";
    for (const std::wstring& arg : args) commandLine += L" \"" + arg + L"\"";
    bool started = StartProgram(commandLine, nullptr, &process_);
    waits[1] = process_.hProcess;
    bool serving = started && WaitForMultipleObjects(2, waits, FALSE, 10000) == WAIT_OBJECT_0;
    CloseHandle(waits[0]);
    if (!serving) Stop();
    return serving;
}

void Peer::Stop()
{
    if (!process_.hProcess) return;
    PostThreadMessageW(process_.dwThreadId, WM_QUIT, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
}

static void WriteDefault(HKEY key, const std::optional<std::wstring>& value)
{
    if (!value) RegDeleteValueW(key, nullptr);
    else RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                        static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
}

void AppPathsEntries::Set(const wchar_t* keyName, const std::optional<std::wstring>& exe, AppPathsPlace place)
{
    Saved s{place == AppPathsPlace::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
            place == AppPathsPlace::User ? 0u : place == AppPathsPlace::Machine64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY,
            std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + keyName, false, {}};
    HKEY key = nullptr;
    DWORD made = 0, size = 2048;
    ASSERT_EQ(RegCreateKeyExW(s.root, s.key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | s.view, nullptr, &key, &made), 0);
    s.existed = made == REG_OPENED_EXISTING_KEY;
    wchar_t value[1024];
    if (RegGetValueW(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS) s.value = value;
    WriteDefault(key, exe);
    RegCloseKey(key);
    saved_.push_back(s);
}

void AppPathsEntries::Clear()
{
    for (HKEY key = nullptr; !saved_.empty(); saved_.pop_back()) {
        const Saved& s = saved_.back();
        if (!s.existed) RegDeleteKeyExW(s.root, s.key.c_str(), s.view, 0);
        else if (RegOpenKeyExW(s.root, s.key.c_str(), 0, KEY_ALL_ACCESS | s.view, &key) == ERROR_SUCCESS) {
            WriteDefault(key, s.value);
            RegCloseKey(key);
        }
    }
}
