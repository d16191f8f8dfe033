// The entry commands' line work: copy, cut and paste ranges and depths, and the entry rules on
// text that would break the entry's line or read back as another kind of line.
#include <gtest/gtest.h>

#include <set>

#include "core/clip_lines.h"
#include "core/entry_line.h"
#include "core/entry_rules.h"

namespace {

using namespace std::literals;
using Lines = std::vector<std::string>;

// Book A: URL a1, Group G (URL g1, Group H with URL h1); Book B: URL b1; an empty line; a
// line after the gap.
const Lines kSample{"0A\\", "1a1,http://a", "1G\\", "2g1,http://g", "2H\\", "3h1,http://h", "0B\\", "1b1,http://b",
                    "", "0C\\"};

// at: the entry's line, or the level's parent line (kTopLevel); stopsAtGap: the tree shows the
// line after the gap among the range's items.
TEST(ClipLines, CopyAndCutTakeTheSameRelativeLines)
{
    const struct { const char* name; bool level; long at; Lines clip; bool stopsAtGap = false; } rows[] = {
        {"GroupAtDepthOneWithItsSubtree", false, 2, {"0G\\", "1g1,http://g", "1H\\", "2h1,http://h"}},
        {"UrlAlone", false, 1, {"0a1,http://a"}},
        {"BookUpToTheGap", false, 6, {"0B\\", "1b1,http://b"}, true},
        {"LevelBelowAGroup", true, 2, {"0g1,http://g", "0H\\", "1h1,http://h"}},
        {"LevelBelowABook", true, 0, {"0a1,http://a", "0G\\", "1g1,http://g", "1H\\", "2h1,http://h"}},
        {"TopLevelStopsAtTheGap", true, kTopLevel, Lines(kSample.begin(), kSample.begin() + 8), true},
    };
    for (const auto& r : rows) {
        LineList list{kSample};
        LineRange range = r.level ? LevelRange(list, r.at) : EntryRange(list, static_cast<size_t>(r.at));
        unsigned char top = r.level ? LevelTopDepth(list, r.at) : EntryTopDepth(list, static_cast<size_t>(r.at));
        EXPECT_EQ(ClipLinesOf(list, range, top), r.clip) << r.name;
        EXPECT_EQ(StopsAtGap(list, range), r.stopsAtGap) << r.name;
        EXPECT_EQ(list.lines, kSample) << r.name << ": a copy leaves the list alone";
        EXPECT_EQ(CutClipLines(list, range, top), r.clip) << r.name;
        Lines rest = kSample;
        rest.erase(rest.begin() + static_cast<long>(range.first), rest.begin() + static_cast<long>(range.end));
        EXPECT_EQ(list.lines, rest) << r.name;
    }
}

// A claim over a set of taken titles, as the tree's children give them.
struct Taken {
    std::set<std::string> titles;
    bool operator()(const std::string& t) { return titles.insert(t).second; }
};

TEST(MakePasteLines, TopTitlesAreSplitAsTheTreeShowsThemAndNeverShared)
{
    Taken taken{{"T", "Folder, comma", "Mail", "bare", "\x95\x5c"}};
    auto lines = MakePasteLines({"0T,http://1", "0T,http://2", "1in,u", "0T(2),http://3", "0Folder, comma\\", "1in,u",
                                 "0Mail, news,http://m", "0bare", "0\x95\x5c,u"}, 10, std::ref(taken));
    ASSERT_TRUE(lines);
    // Into a folder at depth 9. A folder keeps its comma; a URL's title ends at its first comma; a line outside the
    // format keeps its form; a double-byte character ending in 0x5C is no folder mark.
    EXPECT_EQ(*lines, (Lines{":T(2),http://1", ":T(3),http://2", ";in,u", ":T(2)(2),http://3", ":Folder, comma(2)\\",
                             ";in,u", ":Mail(2), news,http://m", ":bare(2)", ":\x95\x5c(2),u"}));
    EXPECT_FALSE(MakePasteLines({"0a\\", "\xf6" "b,u"}, 10, std::ref(taken))) << "no depth past the last byte";
    EXPECT_TRUE(MakePasteLines({"0a\\", "\xf5" "b,u"}, 10, std::ref(taken)));
}

// Two characters whose trail byte is 0x5C: 表 and ソ; every other is taken as no character.
bool KnownChars(std::string_view cp932, std::string* utf8)
{
    const bool known = cp932 == "\x95\x5C" || cp932 == "\x83\x5C";
    if (known) *utf8 = cp932 == "\x95\x5C" ? "\xE8\xA1\xA8" : "\xE3\x82\xBD";
    return known;
}

// Title and URL as typed into a new entry; what the URL entry and the folder check say; the
// title and URL stored when accepted, whose line must read back as them.
TEST(NewEntry, AcceptedEntriesReadBackAsMade)
{
    constexpr auto kNone = EntryProblem::None;
    constexpr auto kTitleBreak = EntryProblem::TitleHasLineBreak;
    const struct { const char* name; std::string title, url; EntryProblem urlEntry, folder; std::string stored[2] = {}; } rows[] = {
        {"CrLfInTitle", "a\r\nb", "http://x", kTitleBreak, kTitleBreak},
        {"LfInUrl", "t", "http://x/\ny", EntryProblem::UrlHasLineBreak, kNone},
        {"NulInTitle", "a\0b"s, "http://x", kTitleBreak, kTitleBreak},
        // An empty title would take the URL with its line break.
        {"EmptyTitleFromBrokenUrl", "", "http://x/\r", EntryProblem::UrlHasLineBreak, EntryProblem::EmptyTitle},
        {"EmptyTitleTakesTheUrlAsTyped", "", "a/\x95\x5C", kNone, EntryProblem::EmptyTitle,
         {"a/\x95\x5C", "http://a/%E8%A1%A8"}},
        {"CommaAsTrailByteInTitle", "\x83\x2c", "http://a/\x83\x5c" "b", kNone, kNone, {"\x83\x2c", "http://a/\x83\x5c" "b"}},
        {"UrlEndingInSo", "t", "http://a/\x83\x5C", kNone, kNone, {"t", "http://a/%E3%82%BD"}},
        {"UrlEndingInBackslash", "t", "ftp://a\\", EntryProblem::UrlEndsInBackslash, kNone},
        {"TitleAsLongAsTheField", std::string(kTypedFieldBytes, 't'), "x", kNone, kNone,
         {std::string(kTypedFieldBytes, 't'), "http://x"}},
        // 255 bytes with "http://", 262 encoded.
        {"EncodedUrlTooLong", "t", std::string(246, 'u') + "\x95\x5C", EntryProblem::UrlTooLong, kNone},
    };
    for (const auto& r : rows) {
        std::string title = r.title, url = r.url;
        EXPECT_EQ(CompleteUrlEntry(title, url, "", "", KnownChars), r.urlEntry) << r.name;
        EXPECT_EQ(CheckFolderTitle(r.title, ""), r.folder) << r.name;
        if (r.urlEntry != EntryProblem::None) continue;
        EXPECT_EQ(title, r.stored[0]) << r.name;
        EXPECT_EQ(url, r.stored[1]) << r.name;
        std::string line = MakeUrlLine('3', title, url);
        EXPECT_TRUE(!IsFolderLine(line) && LineTitle(line) == title && LineUrl(line) == url) << line;
    }
}

// A URL line whose last byte is 0x5C would read back as a folder line. stored null: refused.
TEST(UrlEnd, NoStoredUrlEndsInBackslash)
{
    const struct { const char* typed; const char* stored; } rows[] = {
        {"http://a/b\\", "http://a/b/"}, {"HTTPS://a\\\\", "HTTPS://a\\/"},
        {"http://a/\x95\x5C", "http://a/%E8%A1%A8"}, {"https://\x95\x5C\x83\x5C", "https://\x95\x5C%E3%82%BD"},
        {"http://a/\x95\x5C\\", "http://a/\x95\x5C/"},
        {"http://a/\x85\x5C", nullptr},           // bytes that stand for no character
        {"C:\\dir\\\\", "C:\\dir"}, {"c:/dir\\", "c:/dir"}, {"\\\\server\\share\\", "\\\\server\\share"},
        {"C:\\", nullptr},                        // "C:" would be the drive's current folder
        {"\\\\\\", nullptr},
        {"C:\\\x95\x5C\\", nullptr},              // dropping the backslash leaves 0x5C last
        {"ftp://a/b\\", nullptr}, {"a\x95\x5C", nullptr},
        {"http://a/\x95\x5C" "b", "http://a/\x95\x5C" "b"}, {"http://a\x83", "http://a\x83"},
    };
    for (const auto& r : rows) {
        std::string url = r.typed;
        bool storable = MakeUrlStorable(url, KnownChars);
        EXPECT_EQ(storable, r.stored != nullptr) << r.typed;
        EXPECT_EQ(url, storable ? r.stored : r.typed);
    }
}

TEST(OneLineTextTest, LineEndsAndNulBecomeBlanksInPlace)
{
    EXPECT_EQ(OneLineText("a\r\nb\0c"s), "a  b c");
    EXPECT_EQ(OneLineText("\x83\n"), "\x83 ");   // the length, and so every character start, stays
}

}  // namespace
