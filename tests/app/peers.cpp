// Starting and stopping the helper programs, and the App Paths entries of the tests.
#include "tests/app/peers.h"

bool Peer::Start(const wchar_t* program, const std::wstring& arg)
{
    static int s_started = 0;
    std::wstring ready = L"larkit-peer-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++s_started);
    HANDLE waits[2] = {CreateEventW(nullptr, TRUE, FALSE, ready.c_str()), nullptr};
    std::wstring commandLine = L"\"" + BesideProgram(program) + L"\" \"" + ready + L"\" \"" + arg + L"\"";
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

void AppPathsEntries::Set(const wchar_t* keyName, const wchar_t* exe)
{
    std::wstring name = std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + keyName;
    made_.push_back(name);
    RegSetKeyValueW(HKEY_CURRENT_USER, name.c_str(), nullptr, REG_SZ, exe, DWORD((wcslen(exe) + 1) * sizeof *exe));
}

AppPathsEntries::~AppPathsEntries()
{
    for (const std::wstring& name : made_) RegDeleteKeyW(HKEY_CURRENT_USER, name.c_str());
}
