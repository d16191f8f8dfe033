// Starting and stopping the helper programs, and the App Paths entries of the tests.
#include "tests/app/peers.h"

#include <gtest/gtest.h>

static std::wstring Quoted(const std::wstring& arg) { return L"\"" + arg + L"\""; }

bool Peer::Start(const wchar_t* program, const std::vector<std::wstring>& args)
{
    static int s_started = 0;
    std::wstring readyName = L"larkit-peer-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++s_started);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    std::wstring commandLine = Quoted(BesideTests(program)) + L" " + Quoted(readyName);
    for (const std::wstring& arg : args) commandLine += L" " + Quoted(arg);
    bool started = StartProgram(commandLine, nullptr, &process_);
    HANDLE waits[2] = {ready, process_.hProcess};
    bool serving = started && WaitForMultipleObjects(2, waits, FALSE, 10000) == WAIT_OBJECT_0;
    CloseHandle(ready);
    if (!serving) Stop();
    return serving;
}

void Peer::Stop()
{
    if (!process_.hProcess) return;
    PostThreadMessageW(process_.dwThreadId, WM_QUIT, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
}

static const wchar_t kAppPaths[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

AppPathsEntry::AppPathsEntry(const wchar_t* keyName, const std::optional<std::wstring>& exe, AppPathsPlace place)
    : root_(place == AppPathsPlace::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE),
      view_(place == AppPathsPlace::User ? 0 : place == AppPathsPlace::Machine64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY),
      key_(std::wstring(kAppPaths) + keyName)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(root_, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr, &key, &disposition) !=
        ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot open an App Paths key";
        return;
    }
    keyExisted_ = disposition == REG_OPENED_EXISTING_KEY;
    wchar_t value[1024];
    DWORD size = sizeof value, type = 0;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
        type == REG_SZ && size >= sizeof(wchar_t))
        previous_ = std::wstring(value, size / sizeof(wchar_t) - 1);
    if (exe) {
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(exe->c_str()),
                       static_cast<DWORD>((exe->size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(key, nullptr);
    }
    RegCloseKey(key);
}

AppPathsEntry::~AppPathsEntry()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root_, key_.c_str(), 0, KEY_ALL_ACCESS | view_, &key) != ERROR_SUCCESS) return;
    if (!keyExisted_) {
        RegDeleteTreeW(key, nullptr);
        RegCloseKey(key);
        RegDeleteKeyExW(root_, key_.c_str(), view_, 0);
        return;
    }
    if (previous_)
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(previous_->c_str()),
                       static_cast<DWORD>((previous_->size() + 1) * sizeof(wchar_t)));
    else
        RegDeleteValueW(key, nullptr);
    RegCloseKey(key);
}
