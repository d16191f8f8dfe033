// Tests of the code page 932 scanners: a separator or a search hit is only ever found on a
// character boundary, never on the trail byte of a double-byte character.
#include <gtest/gtest.h>

#include "core/cp932.h"

namespace {

constexpr size_t kNone = std::string_view::npos;

struct FindCase {
    const char* name;
    std::string_view text;
    char ch;
    size_t first, last;   // Find932 from 0, FindLast932
};

class Find932Test : public ::testing::TestWithParam<FindCase> {};

TEST_P(Find932Test, StepsOverTrailBytes)
{
    const FindCase& c = GetParam();
    EXPECT_EQ(Find932(c.text, c.ch), c.first);
    EXPECT_EQ(FindLast932(c.text, c.ch), c.last);
}

INSTANTIATE_TEST_SUITE_P(Separators, Find932Test, ::testing::Values(
    FindCase{"SoTrailThenBackslash", "\x83\x5c\\", '\\', 2, 2},
    FindCase{"CommaAfterLeadIsTrail", "\x83,a,", ',', 3, 3},
    FindCase{"FirstAndLastDiffer", "a,\x95\x5c,b", ',', 1, 4},
    FindCase{"LoneLeadAtEnd", "\\\x83", '\\', 0, 0},
    FindCase{"OnlyLoneLead", "\x83", '\\', kNone, kNone},
    FindCase{"HalfWidthKanaSingle", "\xb1\\\xdf\\", '\\', 1, 3},
    FindCase{"Byte80NotLead", "\x80\\", '\\', 1, 1},
    FindCase{"Byte81Lead", "\x81\\", '\\', kNone, kNone},
    FindCase{"Byte9FLead", "\x9f\\", '\\', kNone, kNone},
    FindCase{"ByteA0NotLead", "\xa0\\", '\\', 1, 1},
    FindCase{"ByteE0Lead", "\xe0\\", '\\', kNone, kNone},
    FindCase{"ByteFCLead", "\xfc\\", '\\', kNone, kNone},
    FindCase{"ByteFDNotLead", "\xfd\\", '\\', 1, 1}),
    [](const ::testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });

TEST(Find932, StartsAtFrom)
{
    EXPECT_EQ(Find932("a,b,c", ',', 2), 3u);
    EXPECT_EQ(Find932("a,b", ',', 3), kNone);
    EXPECT_EQ(Find932("a,b", ',', 9), kNone);
}

struct TextCase {
    const char* name;
    std::string_view text, needle;
    size_t from, at;
};

class FindText932Test : public ::testing::TestWithParam<TextCase> {};

TEST_P(FindText932Test, MatchesOnlyOnCharacterBoundaries)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(FindText932(c.text, c.needle, c.from), c.at);
}

INSTANTIATE_TEST_SUITE_P(Needles, FindText932Test, ::testing::Values(
    TextCase{"BackslashIsTrailOfHyo", "\x95\x5c", "\\", 0, kNone},
    TextCase{"StraddlingCharacters", "\x83\x83\x41", "\x83\x41", 0, kNone},
    TextCase{"AfterWholeCharacter", "\x83\x83\x83\x41", "\x83\x41", 0, 2},
    TextCase{"Ascii", "xxabc", "abc", 0, 2},
    TextCase{"FromPastTheHit", "abcab", "ab", 1, 3},
    TextCase{"NeedleRunsOffTheEnd", "xa", "ab", 0, kNone},
    TextCase{"NeedleLongerThanText", "a", "abc", 0, kNone},
    TextCase{"EmptyNeedleAtFrom", "abc", "", 2, 2},
    TextCase{"EmptyNeedlePastEnd", "abc", "", 4, kNone}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(LowerAscii, FoldsOnlyAToZ)
{
    // The neighbours of both letter ranges, a Latin-1 capital and half-width kana stay as they are.
    EXPECT_EQ(LowerAscii("AZaz@[`{\xc1\xb1\xdf"), "azaz@[`{\xc1\xb1\xdf");
    EXPECT_EQ(LowerAscii("HTTP://Example.COM/Dir"), "http://example.com/dir");
    // The trail byte of a double-byte character is part of it, not a letter: 0x83 0x41 stays.
    EXPECT_EQ(LowerAscii("\x83\x41" "A\x83"), "\x83\x41" "a\x83");
}

}  // namespace
