// Dated copy names: built from a date, recognised strictly, ordered and pruned by their date.
#include "core/day_copies.h"

#include <algorithm>
#include <cstdio>

static std::wstring Digits(int value, int width)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"%0*d", width, value);
    return text;
}

static std::wstring DatePart(const CopyDate& d)
{
    return Digits(d.year, 4) + L"-" + Digits(d.month, 2) + L"-" + Digits(d.day, 2);
}

std::wstring DayCopyName(const CopyDate& d) { return DatePart(d) + L".dat"; }

std::wstring BeforeRestoreName(const CopyDate& d, unsigned serial)
{
    return DatePart(d) + L"_before-restore_" + Digits(d.hour, 2) + Digits(d.minute, 2) + Digits(d.second, 2) +
           (serial > 1 ? L"-" + std::to_wstring(serial) : L"") + L".dat";
}

// `count` ASCII digits from `at`.
static bool AreDigits(const std::wstring& s, size_t at, size_t count)
{
    if (s.size() < at + count) return false;
    return std::all_of(s.begin() + at, s.begin() + at + count, [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

static bool EndsWithDat(const std::wstring& s, size_t at)
{
    static const wchar_t kDat[] = L".dat";
    if (s.size() != at + 4) return false;
    for (size_t i = 0; i < 4; ++i) {
        wchar_t c = s[at + i];
        if ((c >= L'A' && c <= L'Z' ? c + 32 : c) != kDat[i]) return false;
    }
    return true;
}

std::optional<CopyName> ParseCopyName(const std::wstring& name)
{
    if (!AreDigits(name, 0, 4) || name[4] != L'-' || !AreDigits(name, 5, 2) || name[7] != L'-' || !AreDigits(name, 8, 2))
        return std::nullopt;
    CopyName parts{name.substr(0, 10), {}};
    if (EndsWithDat(name, 10)) return parts;
    static const std::wstring kMiddle = L"_before-restore_";
    size_t end = 10 + kMiddle.size() + 6;
    if (name.compare(10, kMiddle.size(), kMiddle) != 0 || !AreDigits(name, 10 + kMiddle.size(), 6)) return std::nullopt;
    parts.time = name.substr(10 + kMiddle.size(), 6);
    if (EndsWithDat(name, end)) return parts;
    // Only the serials BeforeRestoreName writes: "-2" to "-99" (kMaxSameSecond), no leading zero.
    if (name.size() <= end + 1 || name[end] != L'-' || name[end + 1] == L'0') return std::nullopt;
    size_t digits = AreDigits(name, end + 1, 2) ? 2 : 1;
    if (!AreDigits(name, end + 1, digits) || !EndsWithDat(name, end + 1 + digits)) return std::nullopt;
    parts.serial = 0;
    for (size_t i = end + 1; i < end + 1 + digits; ++i) parts.serial = parts.serial * 10 + (name[i] - L'0');
    return parts.serial > 1 ? std::optional<CopyName>(parts) : std::nullopt;
}

std::vector<std::wstring> CopiesNewestFirst(const std::vector<std::wstring>& names)
{
    std::vector<std::pair<CopyName, std::wstring>> copies;
    for (const std::wstring& name : names)
        if (auto parts = ParseCopyName(name)) copies.emplace_back(*parts, name);
    // An empty time (the day copy) must sort as the newest of its day: "9" stands above any time.
    auto key = [](const CopyName& c) { return c.date + L" " + (c.time.empty() ? L"9" : c.time + Digits(c.serial, 2)); };
    std::stable_sort(copies.begin(), copies.end(), [&](const auto& a, const auto& b) { return key(a.first) > key(b.first); });
    std::vector<std::wstring> sorted;
    for (auto& copy : copies) sorted.push_back(std::move(copy.second));
    return sorted;
}

std::vector<std::wstring> CopiesToPrune(const std::vector<std::wstring>& names, size_t keepDays)
{
    std::vector<std::wstring> prune, keptDates;
    for (const std::wstring& name : CopiesNewestFirst(names)) {
        std::wstring date = name.substr(0, 10);
        bool kept = std::find(keptDates.begin(), keptDates.end(), date) != keptDates.end();
        if (!kept && keptDates.size() < keepDays) keptDates.push_back(date), kept = true;
        if (!kept) prune.push_back(name);
    }
    return prune;
}
