// Starting and stopping the helper programs, and the App Paths entries of the tests.
#include "tests/app/peers.h"

bool Peer::Start(const wchar_t* program, const std::vector<std::wstring>& args)
{
    static int s_started = 0;
    std::wstring ready = L"larkit-peer-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++s_started);
    HANDLE waits[2] = {CreateEventW(nullptr, TRUE, FALSE, ready.c_str()), nullptr};
    std::wstring commandLine = L"\"" + BesideTests(program) + L"\" \"" + ready + L"\"";
    for (const std::wstring& arg : args) commandLine += L" \"" + arg + L"\"";
    waits[1] = StartProgram(commandLine, nullptr, &process_) ? process_.hProcess : nullptr;
    bool serving = waits[1] && WaitForMultipleObjects(2, waits, FALSE, 10000) == WAIT_OBJECT_0;
    CloseHandle(waits[0]);
    if (!serving) Stop();
    return serving;
}

void Peer::Stop()
{
    if (!process_.hProcess) return;
    PostThreadMessageW(process_.dwThreadId, WM_QUIT, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
}

void AppPathsEntries::Set(const wchar_t* keyName, const wchar_t* exe, AppPathsPlace place)
{
    HKEY root = place == AppPathsPlace::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, key = nullptr;
    REGSAM view = place == AppPathsPlace::User ? 0 : place == AppPathsPlace::Machine64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    std::wstring name = std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + keyName;
    RegDeleteKeyExW(root, name.c_str(), view, 0);
    if (!exe) return;
    ASSERT_EQ(RegCreateKeyExW(root, name.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key, nullptr), 0);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(exe), DWORD((wcslen(exe) + 1) * sizeof *exe));
    RegCloseKey(key);
    made_.emplace_back(root, view, name);
}

AppPathsEntries::~AppPathsEntries()
{
    for (const auto& [root, view, name] : made_) RegDeleteKeyExW(root, name.c_str(), view, 0);
}
