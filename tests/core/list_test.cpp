// The list and its file: bytes, lines, code page 932 scanning, subtrees, searches, the bound
// and where the "datafile" setting puts the file.
#include <gtest/gtest.h>

#include "core/cp932.h"
#include "core/entry_line.h"
#include "core/line_search.h"
#include "core/lines.h"
#include "core/list_bytes.h"
#include "core/list_path.h"

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;
constexpr size_t kNone = std::string_view::npos;

// CR LF, LF CR, CR and LF each end one line; NUL bytes are dropped first, so CR NUL LF is one
// end (a list an editor saved as UTF-16 must not gain an empty line after every entry).
TEST(ListBytes, LineEndsAndNuls)
{
    const struct { const char* name; std::string bytes; Lines lines; } rows[] = {
        {"CrLf", "0a\\\r\n1b,u\r\n", {"0a\\", "1b,u"}}, {"LastLineWithoutEnd", "0a\\\r\n1b,u", {"0a\\", "1b,u"}},
        {"CrAlone", "0a\\\r1b,u\r", {"0a\\", "1b,u"}}, {"LfAlone", "0a\\\n1b,u\n", {"0a\\", "1b,u"}},
        {"CrCr", "0a\\\r\r1b,u\r\n", {"0a\\", "", "1b,u"}}, {"LfLf", "0a\\\n\n1b,u", {"0a\\", "", "1b,u"}},
        {"LfCrIsOneEnd", "0a\\\n\r1b,u\n\r", {"0a\\", "1b,u"}}, {"LfCrLfCr", "0a\\\n\r\n\r1b,u", {"0a\\", "", "1b,u"}},
        {"CrLfCr", "0a\\\r\n\r1b,u", {"0a\\", "", "1b,u"}}, {"LfCrCrLf", "0a\\\n\r\r\n1b,u", {"0a\\", "", "1b,u"}},
        {"CrNulLf", "0a\\\r\0\n1b,u\r\0\n"s, {"0a\\", "1b,u"}}, {"OnlyLineEnd", "\r\n", {""}},
        {"Utf16", "0\0a\0\\\0\r\0\n\0" "1\0b\0,\0u\0\r\0\n\0"s, {"0a\\", "1b,u"}},
        {"NulLineKeepsItsEnd", "0a\\\r\n\0\r\n1b,u\r\n"s, {"0a\\", "", "1b,u"}}, {"OnlyNuls", "\0\0"s, {}},
    };
    for (const auto& r : rows) EXPECT_EQ(ParseListBytes(r.bytes), r.lines) << r.name;
}

TEST(ListBytes, RoundTripIsByteExact)
{
    // 表 ending in a trail 0x5C, ソフト, separators, an empty line, a deep line, 2,000 bytes, half-width kana.
    const Lines lines{"0\x95\x5c\\", "1\x83\x5c\x83\x74\x83\x67,http://a/", "1a,b\\", "2q,http://h/?a=1,b=2", "",
                      ";deepest\\", "1" + std::string(1000, 'x') + ",http://x/" + std::string(989, 'y'),
                      "0\xb1\xb2\xb3,http://k/"};
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    EXPECT_EQ(FormatListBytes(lines), bytes);
    EXPECT_EQ(ParseListBytes(bytes), lines);
}

// The folder test on the last byte comes first, then the first comma stepping over
// double-byte characters.
TEST(EntryLine, TitleAndUrl)
{
    const struct { std::string_view line, title, url; bool folder; } rows[] = {
        {"0Mail, news,http://x", "Mail", " news,http://x", false}, {"1a,b\\", "a,b", "", true},
        {"0\x95\x5c", "\x95", "", true},                        // the last byte decides, even a trail byte
        {"0\x95\x5c,http://x", "\x95\x5c", "http://x", false},
        {"0\x83,a,u", "\x83,a", "u", false},                    // a comma after a lead byte is its trail
        {"0,u", "", "u", false}, {"0Title", "Title", "", false}, {"", "", "", false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(IsFolderLine(r.line), r.folder) << r.line;
        EXPECT_EQ(LineTitle(r.line), r.title) << r.line;
        EXPECT_EQ(LineUrl(r.line), r.url) << r.line;
    }
}

// A separator or a text is found only on a character start: 0x81-0x9F and 0xE0-0xFC lead a pair.
TEST(Cp932, StepsOverTrailBytes)
{
    const struct { std::string_view text; char ch; size_t first, last; } rows[] = {
        {"a,\x95\x5c,b", ',', 1, 4}, {"\\\x83", '\\', 0, 0}, {"\x80\\", '\\', 1, 1},
        {"\x81\\", '\\', kNone, kNone}, {"\x9f\\", '\\', kNone, kNone}, {"\xa0\\", '\\', 1, 1},
        {"\xe0\\", '\\', kNone, kNone}, {"\xfc\\", '\\', kNone, kNone}, {"\xfd\\", '\\', 1, 1},
    };
    for (const auto& r : rows) {
        std::vector<char> exact(r.text.begin(), r.text.end());   // nothing past the end may be read
        EXPECT_EQ(Find932({exact.data(), exact.size()}, r.ch), r.first) << r.text;
        EXPECT_EQ(FindLast932({exact.data(), exact.size()}, r.ch), r.last) << r.text;
    }
    EXPECT_EQ(FindText932("\x83\x83\x41", "\x83\x41"), kNone);   // straddling two characters
    EXPECT_EQ(FindText932("\x83\x83\x83\x41", "\x83\x41"), 2u);
}

TEST(LineList, SubtreeEndAndRebase)
{
    // Book A holds a URL and group B, which holds a URL; book D is empty.
    const Lines five{"0A\\", "1u,http://u", "1B\\", "2v,http://v", "0D\\"};
    const Lines deep{"8a\\", "9b\\", ":c\\", ";d,u", "9e,u", "8f,u"};
    const Lines toTheEnd{"0A\\", "1B\\", "2v,http://v"};
    const struct { const Lines& lines; size_t index, end; } rows[] = {
        {toTheEnd, 1, 3}, {toTheEnd, 3, 3}, {five, 0, 4}, {five, 1, 2}, {five, 4, 5}, {deep, 0, 5}, {deep, 2, 4},
    };
    for (const auto& r : rows) EXPECT_EQ(SubtreeEnd(LineList{r.lines}, r.index), r.end) << r.index;
    EXPECT_EQ(SubtreeEnd(LineList{{"0A\\", "1u,x", "", "1v,y"}}, 0), 2u) << "an empty line ends the run";

    Lines run{"0a\\", "", "1b,u", "9c\\"};
    RebaseLines(run, 1);
    EXPECT_EQ(run, (Lines{"1a\\", "", "2b,u", ":c\\"}));
    RebaseLines(run, -1);
    EXPECT_EQ(run, (Lines{"0a\\", "", "1b,u", "9c\\"}));
}

// Two books holding an entry "x" each, and an "x" one level deeper.
TEST(LineSearch, FindLineAtDepthGoesRoundTheList)
{
    const LineList list{{"0A\\", "1x,u", "0B\\", "1x,v", "2x,w"}};
    const struct { const char* name; long start; char depthChar; const char* title; long found; } rows[] = {
        {"WholeListFromMinusOne", -1, '1', "x", 1}, {"StartsAfterStart", 1, '1', "x", 3},
        {"WrapsToLineZero", 3, '1', "x", 1}, {"IncludesStartLast", 0, '0', "A", 0},
        {"OtherDepthsAreNoCandidates", -1, '0', "x", -1}, {"NoSuchTitle", 2, '1', "y", -1},
    };
    for (const auto& r : rows) {
        std::string_view want = r.title;
        EXPECT_EQ(FindLineAtDepth(list, r.start, static_cast<unsigned char>(r.depthChar),
                                  [want](std::string_view title) { return title == want; }), r.found) << r.name;
    }
}

// Book Work with a URL in upper case, a Group whose title holds a double-byte character with
// the trail byte 'A' (0x83 0x41), and a URL with a comma in its title part.
TEST(LineSearch, FindLineContainingSearchesWholeLines)
{
    const LineList list{{"0Work\\", "1Docs,http://EXAMPLE.com/ABC", "1\x83\x41rt\\", "2x,http://a"}};
    const struct { const char* name; const char* text; bool fold; size_t from; long found; } rows[] = {
        {"DepthCharacter", "2", false, 0, 3}, {"FolderMark", "\\", false, 1, 2}, {"Comma", ",", false, 2, 3},
        {"CaseMattersWithoutFolding", "abc", false, 0, -1}, {"FoldedLine", "abc", true, 0, 1},
        {"TrailByteIsNotFolded", "\x83\x61", true, 0, -1}, {"NoStartInsideACharacter", "Art", false, 0, -1},
        {"EmptyTextIsEverywhere", "", false, 2, 2}, {"PastTheEnd", "", false, 4, -1},
    };
    for (const auto& r : rows) EXPECT_EQ(FindLineContaining(list, r.from, r.text, r.fold), r.found) << r.name;
}

TEST(LineList, RoomUpToTheBound)
{
    LineList list;
    list.lines.resize(kMaxLines);
    EXPECT_TRUE(EntryCount(list) == 65535 && HasRoomFor(list, 0) && !HasRoomFor(list, 1));
    EXPECT_TRUE(GetLine(list, 65534) && !GetLine(list, 65535));
    EXPECT_FALSE(HasRoomFor(LineList{}, static_cast<size_t>(-1)));
}

// Absolute values stand alone, others join the program's folder.
TEST(ListPath, FromTheDatafileSetting)
{
    const struct { const wchar_t* datafile; const wchar_t* path; } rows[] = {
        {L"sync/my.dat", L"C:\\larkit\\sync\\my.dat"}, {L"d:/Sync/my.dat", L"d:\\Sync\\my.dat"},
        {L"\\\\server\\share\\my.dat", L"\\\\server\\share\\my.dat"}, {L"D:my.dat", L"C:\\larkit\\D:my.dat"},
        {L"\\\\server", L"C:\\larkit\\\\\\server"},             // a server without a share
        {L"E:/", L"E:\\"},
        {L"\\\\\\share\\my.dat", L"C:\\larkit\\\\\\\\share\\my.dat"},
    };
    for (const auto& r : rows) EXPECT_EQ(ListFilePathFor(L"C:\\larkit", r.datafile), r.path) << r.datafile;
}

}  // namespace
