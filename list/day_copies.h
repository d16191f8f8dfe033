// The dated copies of the list in the folder `backup` beside the list file: one per day written by
// the exit save, and one kept before each restore of a copy. See core/day_copies.h for the names.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

// The folder of the copies of the list file at `listFile`.
std::wstring CopyFolderOf(const std::wstring& listFile);

// Copies the list file over today's copy (made beside it, never half written), then prunes the
// copies to the newest `keepDays` days. 0 days: nothing is written or pruned. False when the
// copy could not be written or a pruned copy not deleted; the list file is never touched.
bool WriteDayCopy(const std::wstring& listFile, DWORD keepDays);

// Writes `bytes` as a before-restore copy named by the time now, never over another copy; its
// path, or empty on failure.
std::wstring KeepBeforeRestore(const std::wstring& listFile, const std::string& bytes);

// Deletes the copies beyond the newest `keepDays` days (0: none deleted). False when one stays.
bool PruneCopies(const std::wstring& listFile, DWORD keepDays);

// The copies there, newest first (names only).
std::vector<std::wstring> CopiesIn(const std::wstring& folder);
