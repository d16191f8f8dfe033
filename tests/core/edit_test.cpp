// The entry commands' line work: which lines a copy or cut takes and how their depths are made
// relative, the lines a paste inserts, and the entry rules on text that would break the entry's
// line in the list file or read back as another kind of line.
#include <gtest/gtest.h>

#include <set>

#include "core/clip_lines.h"
#include "core/entry_line.h"
#include "core/entry_rules.h"

namespace {

using namespace std::literals;
using Lines = std::vector<std::string>;
const auto kName = [](const auto& info) { return std::string(info.param.name); };

// Book A: URL a1, Group G (URL g1, Group H with URL h1); Book B: URL b1; an empty line; a
// line after the gap.
const Lines kSample{"0A\\", "1a1,http://a", "1G\\", "2g1,http://g", "2H\\", "3h1,http://h", "0B\\", "1b1,http://b",
                    "", "0C\\"};

// at: the entry's line, or the level's parent line (kTopLevel); stopsAtGap: the tree shows the
// line after the gap among the range's items.
struct TakeCase { const char* name; bool level; long at; Lines clip; bool stopsAtGap = false; };
class ClipLinesTest : public ::testing::TestWithParam<TakeCase> {};

TEST_P(ClipLinesTest, CopyAndCutTakeTheSameRelativeLines)
{
    const TakeCase& c = GetParam();
    LineList list{kSample};
    LineRange range = c.level ? LevelRange(list, c.at) : EntryRange(list, static_cast<size_t>(c.at));
    unsigned char top = c.level ? LevelTopDepth(list, c.at) : EntryTopDepth(list, static_cast<size_t>(c.at));
    EXPECT_EQ(ClipLinesOf(list, range, top), c.clip);
    EXPECT_EQ(StopsAtGap(list, range), c.stopsAtGap);
    EXPECT_EQ(list.lines, kSample) << "a copy leaves the list alone";
    EXPECT_EQ(CutClipLines(list, range, top), c.clip);
    Lines rest = kSample;
    rest.erase(rest.begin() + static_cast<long>(range.first), rest.begin() + static_cast<long>(range.end));
    EXPECT_EQ(list.lines, rest);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ClipLinesTest, ::testing::Values(
    TakeCase{"GroupAtDepthOneWithItsSubtree", false, 2, {"0G\\", "1g1,http://g", "1H\\", "2h1,http://h"}},
    TakeCase{"GroupAtDepthTwo", false, 4, {"0H\\", "1h1,http://h"}},
    TakeCase{"UrlAlone", false, 1, {"0a1,http://a"}},
    TakeCase{"BookUpToTheGap", false, 6, {"0B\\", "1b1,http://b"}, true},
    TakeCase{"LastLineOfTheList", false, 9, {"0C\\"}},
    TakeCase{"LevelBelowAGroup", true, 2, {"0g1,http://g", "0H\\", "1h1,http://h"}},
    TakeCase{"LevelBelowABook", true, 0, {"0a1,http://a", "0G\\", "1g1,http://g", "1H\\", "2h1,http://h"}},
    TakeCase{"TopLevelStopsAtTheGap", true, kTopLevel,
             {"0A\\", "1a1,http://a", "1G\\", "2g1,http://g", "2H\\", "3h1,http://h", "0B\\", "1b1,http://b"}, true}),
    kName);

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
    if (cp932 == "\x95\x5C") *utf8 = "\xE8\xA1\xA8";
    else if (cp932 == "\x83\x5C") *utf8 = "\xE3\x82\xBD";
    else return false;
    return true;
}

// Title and URL as typed into a new entry; what the URL entry and the folder check say; the
// title and URL stored when accepted, whose line must read back as them.
struct EntryCase { const char* name; std::string title, url; EntryProblem urlEntry, folder; std::string stored[2] = {}; };
class NewEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(NewEntryTest, AcceptedEntriesReadBackAsMade)
{
    const EntryCase& c = GetParam();
    std::string title = c.title, url = c.url;
    EXPECT_EQ(CompleteUrlEntry(title, url, "", "", KnownChars), c.urlEntry);
    EXPECT_EQ(CheckFolderTitle(c.title, ""), c.folder);
    if (c.urlEntry != EntryProblem::None) return;
    EXPECT_EQ(title, c.stored[0]);
    EXPECT_EQ(url, c.stored[1]);
    std::string line = MakeUrlLine('3', title, url);
    EXPECT_TRUE(!IsFolderLine(line) && LineTitle(line) == title && LineUrl(line) == url) << line;
}

constexpr auto kNone = EntryProblem::None;
constexpr auto kTitleBreak = EntryProblem::TitleHasLineBreak;

INSTANTIATE_TEST_SUITE_P(Texts, NewEntryTest, ::testing::Values(
    EntryCase{"CrLfInTitle", "a\r\nb", "http://x", kTitleBreak, kTitleBreak},
    EntryCase{"LfInUrl", "t", "http://x/\ny", EntryProblem::UrlHasLineBreak, kNone},
    EntryCase{"CrAsTrailByte", "\x83\r", "http://x", kTitleBreak, kTitleBreak},
    EntryCase{"NulInTitle", "a\0b"s, "http://x", kTitleBreak, kTitleBreak},
    // An empty title would take the URL with its line break.
    EntryCase{"EmptyTitleFromBrokenUrl", "", "http://x/\r", EntryProblem::UrlHasLineBreak, EntryProblem::EmptyTitle},
    EntryCase{"EmptyTitleTakesTheUrlAsTyped", "", "a/\x95\x5C", kNone, EntryProblem::EmptyTitle,
              {"a/\x95\x5C", "http://a/%E8%A1%A8"}},
    EntryCase{"CommaAsTrailByteInTitle", "\x83\x2c", "http://a/\x83\x5c" "b", kNone, kNone,
              {"\x83\x2c", "http://a/\x83\x5c" "b"}},
    EntryCase{"UrlEndingInSo", "t", "http://a/\x83\x5C", kNone, kNone, {"t", "http://a/%E3%82%BD"}},
    EntryCase{"UrlEndingInBackslash", "t", "ftp://a\\", EntryProblem::UrlEndsInBackslash, kNone},
    // 255 bytes with "http://", 262 encoded.
    EntryCase{"EncodedUrlTooLong", "t", std::string(246, 'u') + "\x95\x5C", EntryProblem::UrlTooLong, kNone}),
    kName);

// A URL line whose last byte is 0x5C would read back as a folder line.
struct UrlEndCase { const char* typed; const char* stored; };   // stored null: refused
class UrlEndTest : public ::testing::TestWithParam<UrlEndCase> {};

TEST_P(UrlEndTest, NoStoredUrlEndsInBackslash)
{
    std::string url = GetParam().typed;
    bool storable = MakeUrlStorable(url, KnownChars);
    EXPECT_EQ(storable, GetParam().stored != nullptr);
    EXPECT_EQ(url, storable ? GetParam().stored : GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(Urls, UrlEndTest, ::testing::Values(
    UrlEndCase{"http://a/b\\", "http://a/b/"}, UrlEndCase{"HTTPS://a\\\\", "HTTPS://a\\/"},
    UrlEndCase{"http://a/\x95\x5C", "http://a/%E8%A1%A8"},
    UrlEndCase{"https://\x95\x5C\x83\x5C", "https://\x95\x5C%E3%82%BD"},
    UrlEndCase{"http://a/\x95\x5C\\", "http://a/\x95\x5C/"},
    UrlEndCase{"http://a/\x85\x5C", nullptr},           // bytes that stand for no character
    UrlEndCase{"C:\\dir\\\\", "C:\\dir"}, UrlEndCase{"c:/dir\\", "c:/dir"},
    UrlEndCase{"\\\\server\\share\\", "\\\\server\\share"},
    UrlEndCase{"C:\\", nullptr},                        // "C:" would be the drive's current folder
    UrlEndCase{"\\\\\\", nullptr},
    UrlEndCase{"C:\\\x95\x5C\\", nullptr},              // dropping the backslash leaves 0x5C last
    UrlEndCase{"C:\\\x95\x5C", nullptr}, UrlEndCase{"ftp://a/b\\", nullptr}, UrlEndCase{"a\x95\x5C", nullptr},
    UrlEndCase{"http://a/\x95\x5C" "b", "http://a/\x95\x5C" "b"}, UrlEndCase{"http://a\x83", "http://a\x83"}));

TEST(OneLineTextTest, LineEndsAndNulBecomeBlanksInPlace)
{
    EXPECT_EQ(OneLineText("a\r\nb\0c"s), "a  b c");
    EXPECT_EQ(OneLineText("\x83\n"), "\x83 ");   // the length, and so every character start, stays
}

}  // namespace
