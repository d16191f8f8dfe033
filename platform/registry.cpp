// Registry access for settings. Reads open keys for reading only, so that keys a user may
// read but not change (under HKEY_LOCAL_MACHINE) still answer.
#include "platform/registry.h"

#include <vector>

#include "platform/handle.h"
#include "platform/text.h"

static bool OpenForReading(HKEY root, const wchar_t* keyPath, RegKey& key, REGSAM view = 0)
{
    return RegOpenKeyExW(root, keyPath, 0, KEY_READ | view, key.out()) == ERROR_SUCCESS;
}

static bool OpenForWriting(HKEY root, const wchar_t* keyPath, RegKey& key)
{
    return RegCreateKeyExW(root, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                           key.out(), nullptr) == ERROR_SUCCESS;
}

DWORD RegReadDword(HKEY root, const wchar_t* keyPath, const wchar_t* name, DWORD def)
{
    RegKey key;
    if (!OpenForReading(root, keyPath, key)) return def;
    DWORD value = def, type = 0, size = sizeof value;
    LONG rc = RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    bool isText = type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
    if (rc != ERROR_SUCCESS || size != sizeof value || isText) return def;
    return value;
}

int RegWriteDword(HKEY root, const wchar_t* keyPath, const wchar_t* name, DWORD value)
{
    RegKey key;
    if (!OpenForWriting(root, keyPath, key)) return 0;
    return RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

// The value's text, or nothing when it is absent or not a string.
static bool QueryText(HKEY key, const wchar_t* name, std::wstring* text)
{
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) != ERROR_SUCCESS)
        return false;
    text->assign(data.data());   // stops at the first terminator, whether or not one was stored
    return true;
}

int RegReadWideString(HKEY root, const wchar_t* keyPath, const wchar_t* name, std::wstring& buffer, size_t capacity,
                      REGSAM view)
{
    RegKey key;
    if (!OpenForReading(root, keyPath, key, view)) return 0;
    buffer.clear();
    std::wstring text;
    if (QueryText(key.get(), name, &text) && Cp932Length(text) + 1 <= capacity) buffer = std::move(text);
    return 1;
}

int RegReadString(HKEY root, const wchar_t* keyPath, const wchar_t* name, std::string& buffer, size_t capacity)
{
    std::wstring text;
    if (!RegReadWideString(root, keyPath, name, text, capacity)) return 0;
    buffer.clear();
    std::string bytes;
    if (Narrow(text, &bytes)) buffer = std::move(bytes);
    return 1;
}

int RegWriteWideString(HKEY root, const wchar_t* keyPath, const wchar_t* name, const std::wstring& text)
{
    RegKey key;
    if (!OpenForWriting(root, keyPath, key)) return 0;
    DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size) ==
           ERROR_SUCCESS;
}

int RegWriteString(HKEY root, const wchar_t* keyPath, const wchar_t* name, const std::string& cp932)
{
    return RegWriteWideString(root, keyPath, name, Widen(cp932));
}
