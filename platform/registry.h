// Named 32-bit numbers and strings in the registry. Each call opens the key, does one read
// or write and closes it. String data is code page 932 bytes inside the program and UTF-16
// in the registry.
#pragma once
#include <cstddef>
#include <string>

#include <windows.h>

// The settings key under HKEY_CURRENT_USER.
constexpr const wchar_t* kSettingsKey = L"Software\\Quorvane\\larkit";

// The stored number, or `def` when the key or value is absent or holds no 4-byte number.
DWORD RegReadDword(HKEY root, const wchar_t* keyPath, const wchar_t* name, DWORD def);

// 1 when written, 0 when the key cannot be created or opened.
int RegWriteDword(HKEY root, const wchar_t* keyPath, const wchar_t* name, DWORD value);

// 1 when the key opens, else 0 with `buffer` unchanged. When the key opens, `buffer` becomes
// the value's text in CP932, or empty when the value is absent, is no string, has no CP932
// form, or does not fit in `capacity` bytes with a terminating zero. A null `name` reads the
// key's default value.
int RegReadString(HKEY root, const wchar_t* keyPath, const wchar_t* name, std::string& buffer, size_t capacity);

// The same for text kept wide (file names and paths): the capacity is still counted in the
// CP932 bytes the text would take. `view` picks HKEY_LOCAL_MACHINE's 64-bit or 32-bit view
// (KEY_WOW64_64KEY, KEY_WOW64_32KEY); 0 reads the program's own.
int RegReadWideString(HKEY root, const wchar_t* keyPath, const wchar_t* name, std::wstring& buffer,
                      size_t capacity, REGSAM view = 0);

// 1 when written (REG_SZ), 0 when the key cannot be created or opened, or when the text
// cannot be stored.
int RegWriteString(HKEY root, const wchar_t* keyPath, const wchar_t* name, const std::string& cp932);
int RegWriteWideString(HKEY root, const wchar_t* keyPath, const wchar_t* name, const std::wstring& text);
