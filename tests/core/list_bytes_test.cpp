// Tests of the list file's bytes: every kind of line end, NUL bytes, and a byte-exact round
// trip of a file that uses everything the format allows.
#include <gtest/gtest.h>

#include "core/list_bytes.h"

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

struct ParseCase {
    const char* name;
    std::string bytes;
    Lines lines;
};

class ParseListBytesTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseListBytesTest, LineEnds)
{
    EXPECT_EQ(ParseListBytes(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Files, ParseListBytesTest, ::testing::Values(
    ParseCase{"CrLf", "0a\\\r\n1b,u\r\n", {"0a\\", "1b,u"}},
    ParseCase{"LastLineWithoutEnd", "0a\\\r\n1b,u", {"0a\\", "1b,u"}},
    ParseCase{"LastLineEndsWithCr", "0a\\\r1b,u\r", {"0a\\", "1b,u"}},
    ParseCase{"LfAlone", "0a\\\n1b,u\n", {"0a\\", "1b,u"}},
    ParseCase{"CrCr", "0a\\\r\r1b,u\r\n", {"0a\\", "", "1b,u"}},
    ParseCase{"CrLfCrLf", "0a\\\r\n\r\n1b,u\r\n", {"0a\\", "", "1b,u"}},
    ParseCase{"LfLf", "0a\\\n\n1b,u", {"0a\\", "", "1b,u"}},
    ParseCase{"LfCrIsOneEnd", "0a\\\n\r1b,u\n\r1c,v\n\r", {"0a\\", "1b,u", "1c,v"}},
    ParseCase{"LfCrLfCr", "0a\\\n\r\n\r1b,u", {"0a\\", "", "1b,u"}},
    ParseCase{"CrLfCr", "0a\\\r\n\r1b,u", {"0a\\", "", "1b,u"}},
    ParseCase{"LfCrLf", "0a\\\n\r\n1b,u", {"0a\\", "", "1b,u"}},
    ParseCase{"LfCrCrLf", "0a\\\n\r\r\n1b,u", {"0a\\", "", "1b,u"}},
    ParseCase{"CrLfLfCr", "0a\\\r\n\n\r1b,u", {"0a\\", "", "1b,u"}},
    ParseCase{"LfNulCr", "0a\\\n\0\r1b,u"s, {"0a\\", "1b,u"}},
    ParseCase{"OnlyLineEnd", "\r\n", {""}},
    ParseCase{"NulsDropped", "\0" "0a\0\\\r\n1b,\0u\0"s, {"0a\\", "1b,u"}},
    ParseCase{"NulsAfterLastEnd", "0a\\\r\n\0\0"s, {"0a\\"}},
    ParseCase{"NulLineKeepsItsEnd", "0a\\\r\n\0\r\n1b,u\r\n"s, {"0a\\", "", "1b,u"}},
    ParseCase{"OnlyNuls", "\0\0"s, {}},
    ParseCase{"Empty", "", {}}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(ListBytes, RoundTripIsByteExact)
{
    const std::string longLine = "1" + std::string(1000, 'x') + ",http://x/" + std::string(989, 'y');
    ASSERT_EQ(longLine.size(), 2000u);
    const Lines lines{
        "0\x95\x5c\\",                              // 表 as the whole title: ends in a trail 0x5C
        "1\x83\x5c\x83\x74\x83\x67,http://a/",      // ソフト
        "1a,b\\",                                   // comma inside a folder title
        "2q,http://h/?a=1,b=2,c=3",
        "",
        "9n\\",
        ":deeper,http://d/",
        ";deepest\\",
        longLine,
        "0\xb1\xb2\xb3,http://k/",                  // half-width kana
    };
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";

    EXPECT_EQ(FormatListBytes(lines), bytes);
    EXPECT_EQ(ParseListBytes(bytes), lines);
    EXPECT_EQ(FormatListBytes(ParseListBytes(bytes)), bytes);
}

TEST(ListBytes, EmptyListIsZeroBytes)
{
    EXPECT_EQ(FormatListBytes({}), "");
}

// NUL bytes are dropped first, so CR NUL LF is one line end: a list an editor saved as UTF-16
// must not gain an empty line after every entry (each would cut a folder off its children).
TEST(ListBytes, NulBetweenCrAndLfIsOneLineEnd)
{
    EXPECT_EQ(ParseListBytes("0a\\\r\0\n1b,u\r\0\n"s), (Lines{"0a\\", "1b,u"}));
    EXPECT_EQ(ParseListBytes("0\0a\0\\\0\r\0\n\0" "1\0b\0,\0u\0\r\0\n\0"s), (Lines{"0a\\", "1b,u"}));
}

}  // namespace
