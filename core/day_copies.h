// The names of the dated copies of the list kept in the `backup` folder, and which of them a
// prune deletes. Only these two name forms are ever touched; any other file there is the user's.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct CopyDate {
    int year, month, day;
    int hour = 0, minute = 0, second = 0;   // used by the before-restore form only
};

// "YYYY-MM-DD.dat": the copy an exit of that day writes (and the day's later exits replace).
std::wstring DayCopyName(const CopyDate& d);
// "YYYY-MM-DD_before-restore_HHMMSS.dat": the list as it was when a copy was restored over it.
// Another restore within the same second takes "..._HHMMSS-2.dat", then "-3" and so on up to
// kMaxSameSecond, so that no such copy replaces another.
std::wstring BeforeRestoreName(const CopyDate& d, unsigned serial = 1);
constexpr unsigned kMaxSameSecond = 99;

struct CopyName {
    std::wstring date;     // "YYYY-MM-DD"
    std::wstring time;     // "HHMMSS" for a before-restore copy, empty for a day copy
    unsigned serial = 1;   // of a before-restore copy within its second
};
// The parts of a name of either form (letters of ".dat" in any case), or none for any other name.
std::optional<CopyName> ParseCopyName(const std::wstring& name);

// The names of either form, newest first: by date, and within a day the before-restore copies
// (newest first) after the day copy, which the day's last exit wrote. Other names are left out.
std::vector<std::wstring> CopiesNewestFirst(const std::vector<std::wstring>& names);

// The copies to delete when `keepDays` days are kept: every copy of either form whose date is
// not among the newest `keepDays` dates that have a copy. A restore therefore never pushes a
// day's copy out. Other names are never returned.
std::vector<std::wstring> CopiesToPrune(const std::vector<std::wstring>& names, size_t keepDays);
