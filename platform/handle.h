// Small owners of Windows handles, closed when they go out of scope.
#pragma once
#include <utility>

#include <windows.h>

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE h) : h_(h) {}
    FileHandle(FileHandle&& other) noexcept : h_(std::exchange(other.h_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept { reset(); h_ = std::exchange(other.h_, INVALID_HANDLE_VALUE); return *this; }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { reset(); }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    HANDLE get() const { return h_; }
    void reset() { if (valid()) CloseHandle(h_); h_ = INVALID_HANDLE_VALUE; }
private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
};

class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() { if (h_) RegCloseKey(h_); }
    HKEY* out() { return &h_; }
    HKEY get() const { return h_; }
private:
    HKEY h_ = nullptr;
};
