// The hide time as typed: its leading number, whatever follows, never beyond 32 bits.
#include <gtest/gtest.h>

#include "core/hide_time.h"

namespace {

struct HideTimeCase {
    const wchar_t* typed;
    int32_t value;
};

class ParseHideTimeTest : public ::testing::TestWithParam<HideTimeCase> {};

TEST_P(ParseHideTimeTest, LeadingNumber)
{
    EXPECT_EQ(ParseHideTime(GetParam().typed), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseHideTimeTest, ::testing::Values(
    HideTimeCase{L"200", 200},
    HideTimeCase{L"250abc", 250},
    HideTimeCase{L"", 0},
    HideTimeCase{L"abc", 0},
    HideTimeCase{L" \t+75ms", 75},
    HideTimeCase{L"-40", -40},
    HideTimeCase{L"- 5", 0},
    HideTimeCase{L"+-5", 0},
    HideTimeCase{L"12 34", 12},
    HideTimeCase{L"\xFF11\xFF12", 0},   // full-width digits are not digits here
    HideTimeCase{L"2147483647", 2147483647},
    HideTimeCase{L"2147483648", 2147483647},
    HideTimeCase{L"99999999999999999999", 2147483647},
    HideTimeCase{L"-2147483648", -2147483647 - 1},
    HideTimeCase{L"-99999999999999999999", -2147483647 - 1}));

}  // namespace
