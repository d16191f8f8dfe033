// The list file on disk: loading it into the bookmark list, saving the list over it without
// ever deleting first, the rule that a file which exists but could not be read is never
// overwritten in the same run, and the rule that an edit made to it outside the program is
// never lost.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Bigger files cannot be a list: 65,535 lines of several kilobytes each.
inline constexpr size_t kMaxListFileBytes = 512u << 20;

enum class ListLoad {
    Loaded,        // the file's lines are the list
    Missing,       // no file: an empty list, nothing to tell
    Unreadable,    // exists but cannot be opened or read: empty list, file protected
    TooManyLines,  // more lines than the list can hold: empty list, file protected
};

// Replaces the bookmark list with the lines of the file at `path` (absolute). Any outcome
// but Loaded and Missing leaves the list empty and protects the file from this run's saves;
// a later successful load of the same path lifts the protection.
ListLoad LoadListFile(const std::wstring& path);

enum class ListSaveResult {
    Saved,       // the file now holds the list
    KeptAside,   // the file was protected: the list was written to `sideFile` instead
    Untouched,   // the file was protected and the list empty: nothing written
    LeftAsEdited,  // the file was changed outside the program and the list was not: the file
                   // stays as it was left, nothing written
    Failed,      // the file could not be replaced and is unchanged; `sideFile` holds the list
                 // when any copy could be written, else it is empty
};

struct ListSave {
    ListSaveResult result = ListSaveResult::Failed;
    std::wstring sideFile;
    std::wstring editedCopy;   // the file's own bytes, kept before the list replaced an edit
                               // made outside the program; empty when there was none
};

// What a save does with a file whose bytes are no longer those this run last read from it or
// wrote to it (a hand edit; a new time stamp alone is none).
enum class OutsideEdit {
    KeepCopy,              // the bytes go to a side file "<name>_edited_<time>.dat" first
    LeaveIfListUnchanged,  // as KeepCopy, but while the list holds what was last read from or
                           // written to the file, the edit is the newer list and the file stays
};

// Writes the whole bookmark list to `path`: a temporary file beside it, flushed, then moved
// over it in one step. A file that already holds exactly the list's bytes is left as it is,
// so a file that cannot be written costs no failed save then.
ListSave SaveListFile(const std::wstring& path, OutsideEdit edit = OutsideEdit::KeepCopy);

// Replaces the backup file in `programDir` with a copy of the list file at `path`: the backup
// is either left as it was or replaced whole. False when it was left.
bool CopyListToBackup(const std::wstring& path, const std::wstring& programDir);

// Settles the temporary files that saves left in the list file's folder and in `programDir`
// when the process ended before their replace (a kill, a power cut). One that holds the list
// file's bytes, or a head of them, holds nothing the list file lacks and is deleted. Any other
// holds the list as it was being saved then: it is renamed to a side file, kept for the user,
// and its new path is returned. Files still open in another process are left alone.
std::vector<std::wstring> SettleLeftTemporaries(const std::wstring& path, const std::wstring& programDir);

// The backup file's path in `programDir`.
std::wstring BackupPathIn(const std::wstring& programDir);
