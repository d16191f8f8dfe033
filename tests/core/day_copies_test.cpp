// The dated copies' names, and which copies a prune deletes.
#include <gtest/gtest.h>

#include "core/day_copies.h"

namespace {

using Names = std::vector<std::wstring>;

TEST(DayCopies, NamesMadeAndRecognised)
{
    EXPECT_EQ(DayCopyName({2026, 3, 7}), L"2026-03-07.dat");
    EXPECT_EQ(BeforeRestoreName({2026, 12, 1, 9, 5, 3}), L"2026-12-01_before-restore_090503.dat");
    EXPECT_EQ(BeforeRestoreName({2026, 12, 1, 9, 5, 3}, 12), L"2026-12-01_before-restore_090503-12.dat");
    const struct { const wchar_t* name; const wchar_t* date; const wchar_t* time = L""; } rows[] = {   // date null: not a copy
        {L"2026-03-07.dat", L"2026-03-07", L""}, {L"2026-03-07.DAT", L"2026-03-07", L""},
        {L"2026-12-01_before-restore_090503.dat", L"2026-12-01", L"090503"},
        {L"2026-12-01_before-restore_090503-2.DAT", L"2026-12-01", L"090503"}, {L"2026-03-07_before-restore_090503-1.dat", nullptr},
        {L"2026-03-07_before-restore_090503-02.dat", nullptr}, {L"2026-03-07_before-restore_090503-100.dat", nullptr},
        {L"2026-03-07.dat.tmp", nullptr}, {L"2026-3-07.dat", nullptr}, {L"2026_03-07.dat", nullptr},
        {L"2026-03-0x.dat", nullptr}, {L"2026-0x-07.dat", nullptr}, {L"x2026-03-07.dat", nullptr}, {L"2026-03-07.txt", nullptr},
        {L"2026-03-07_before-restore_0905.dat", nullptr}, {L"2026-03-07_before-restore_0905031.dat", nullptr},
        {L"2026-03-07_after-restore_090503.dat", nullptr}, {L"2026-03-07 (2).dat", nullptr}, {L"2026", nullptr},
    };
    for (const auto& row : rows) {
        auto parts = ParseCopyName(row.name);
        ASSERT_EQ(parts.has_value(), row.date != nullptr) << row.name;
        EXPECT_TRUE(!parts || parts->date + L"|" + parts->time == std::wstring(row.date) + L"|" + row.time) << row.name;
    }
}

TEST(DayCopies, NewestFirstAndPruneByDays)
{
    const Names names{L"2026-01-02.dat", L"list.dat", L"2026-01-03_before-restore_080000-9.dat", L"2025-12-31.dat",
                      L"2026-01-03_before-restore_120000.dat", L"2026-01-03.dat", L"2026-01-01_before-restore_000000.dat",
                      L"2026-01-02.dat.bak", L"2026-01-03_before-restore_080000-10.dat"};
    EXPECT_EQ(CopiesNewestFirst(names),
              (Names{L"2026-01-03.dat", L"2026-01-03_before-restore_120000.dat", L"2026-01-03_before-restore_080000-10.dat",
                     L"2026-01-03_before-restore_080000-9.dat", L"2026-01-02.dat", L"2026-01-01_before-restore_000000.dat", L"2025-12-31.dat"}));
    const struct { size_t keep; Names pruned; } rows[] = {
        {0, {L"2026-01-03.dat", L"2026-01-03_before-restore_120000.dat", L"2026-01-03_before-restore_080000-10.dat",
             L"2026-01-03_before-restore_080000-9.dat", L"2026-01-02.dat", L"2026-01-01_before-restore_000000.dat", L"2025-12-31.dat"}},
        {1, {L"2026-01-02.dat", L"2026-01-01_before-restore_000000.dat", L"2025-12-31.dat"}},
        {3, {L"2025-12-31.dat"}}, {4, {}}, {10, {}},
    };
    for (const auto& row : rows) EXPECT_EQ(CopiesToPrune(names, row.keep), row.pruned) << row.keep;
}

}  // namespace
