// Whole-file reads and safe replacement. Paths are wide and absolute.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

enum class ReadResult { Read, Missing, Unreadable, TooLarge };

// Reads the whole file into `bytes`, opened without sharing as the list file always is, or
// with `share` (FILE_SHARE_READ ...). Missing: no such file or folder. Unreadable: it exists
// but cannot be opened or read (held by another process, no access, a device rather than a
// file). TooLarge: bigger than
// `maxBytes`.
ReadResult ReadWholeFile(const std::wstring& path, size_t maxBytes, std::string* bytes, DWORD share = 0);

// Writes `bytes` to a new temporary file beside `path`, flushes it and moves it over `path`
// in one step. On success the temporary file is gone. When the final move fails, the old
// file is untouched and the written copy is kept: its path is returned in `keptCopy` (empty
// when even the temporary file could not be written). Leaves GetLastError() as the failing
// call set it.
bool ReplaceFileSafely(const std::wstring& path, const std::string& bytes, std::wstring* keptCopy);

// The same with the bytes handed over a piece at a time, so that a large file is never held
// whole: `produce` passes each piece to the writer it is given, which is false once a piece
// could not be written, and returns false then.
using PieceWriter = std::function<bool(std::string_view piece)>;
bool ReplaceFileSafelyInPieces(const std::wstring& path, const std::function<bool(const PieceWriter&)>& produce,
                               std::wstring* keptCopy);

// Copies the file at `from` (read sharing it for reading) over `to` as ReplaceFileSafely
// writes: `to` either stays as it was or is replaced whole. False when `from` cannot be read,
// is bigger than `maxBytes`, or `to` cannot be replaced; nothing is left beside `to` then.
bool CopyFileSafely(const std::wstring& from, const std::wstring& to, size_t maxBytes);

// The temporary files of ReplaceFileSafely in `folder` (full paths): files it makes there
// while a save runs, and which outlive the save only when the process ends before the replace.
std::vector<std::wstring> TemporaryFilesIn(const std::wstring& folder);

// Writes `bytes` to a new file at `path`, failing when it already exists.
bool WriteNewFile(const std::wstring& path, const std::string& bytes);

// `path` in the form that passes the platform's short path limit (\\?\ prefix for long
// absolute paths), unchanged otherwise.
std::wstring LongPathForm(const std::wstring& path);

// The folder part of `path` (before its last backslash), or empty.
std::wstring FolderOf(const std::wstring& path);
// The part after the last backslash, or the whole path.
std::wstring FileNameOf(const std::wstring& path);
