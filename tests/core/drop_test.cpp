// Reading the formats of a drop into one link, and the URL's bytes for the list.
#include <gtest/gtest.h>

#include "core/drop_data.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"   // rows name only the formats they offer

namespace {

// UTF-16 text as a format's little-endian bytes, with `extra` bytes after it (a terminator, junk).
std::string Bytes(std::u16string_view text, std::string_view extra = std::string_view("\0\0", 2))
{
    std::string bytes;
    for (char16_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return bytes + std::string(extra);
}

// FileGroupDescriptorW with one descriptor named `name`, or cut to `size` bytes.
std::string Group(std::u16string_view name, size_t size = 596)
{
    std::string bytes = "\1" + std::string(75, '\0') + Bytes(name, "") + std::string(520, '\0');
    return bytes.substr(0, size);
}

struct LinkCase {
    const char* name;
    DropFormats formats;
    std::u16string url, title;   // url empty: no link
};
class ReadDroppedLinkTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(ReadDroppedLinkTest, Reads)
{
    std::optional<DroppedLink> link = ReadDroppedLink(GetParam().formats);
    EXPECT_EQ(link ? link->url : u"", GetParam().url);
    EXPECT_EQ(link ? link->title : u"", GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Formats, ReadDroppedLinkTest, ::testing::Values(
    LinkCase{"WideUrlFirstTitleFromGroup",
             {Bytes(u" http://w/ "), u"http://a/", std::nullopt, Bytes(u"http://t/"), Group(u"Page.URL")},
             u"http://w/", u"Page"},
    LinkCase{"NoTerminatorOddByte", {Bytes(u"http://w/", "\x41")}, u"http://w/", u""},
    LinkCase{"AnsiWhenWideIsEmpty", {Bytes(u""), u"http://a/", Bytes(u"http://m/\ntitle")}, u"http://a/", u"title"},
    LinkCase{"MozLinesWithCrLf", {std::nullopt, std::nullopt, Bytes(u"http://m/\r\nT\r\nhttp://n/\nU"), {}, Group(u"G.url")},
             u"http://m/", u"T"},
    LinkCase{"MozWithoutTitleTakesGroupName", {{}, {}, Bytes(u"http://m/"), {}, Group(u"a.url.txt")}, u"http://m/",
             u"a.url.txt"},
    LinkCase{"TextThatIsOneUrl", {{}, {}, {}, Bytes(u"\r\n mailto:x@y \t")}, u"mailto:x@y", u""},
    LinkCase{"TextWithBlankInside", {{}, {}, {}, Bytes(u"http://a/ b")}, u"", u""},
    LinkCase{"DrivePathIsNoUrl", {{}, {}, {}, Bytes(u"C:\\x")}, u"", u""},
    LinkCase{"CutGroupGivesNoTitle", {Bytes(u"http://w/"), {}, {}, {}, Group(u"Page.url", 595)}, u"http://w/", u""},
    LinkCase{"NothingUsable", {Bytes(u"  "), {}, {}, Bytes(u"http:")}, u"", u""}),
    [](const auto& info) { return std::string(info.param.name); });

// CP932 has 表 (0x955C) and not Ā (U+0100) or the emoji.
bool FakeCp932(std::u16string_view ch, std::string* bytes)
{
    if (ch != u"\u8868") return false;
    *bytes = "\x95\x5C";
    return true;
}

TEST(UrlBytesOf, KeepsCp932AndEncodesTheRestAsUtf8)
{
    EXPECT_EQ(UrlBytesOf(u"http://a/\u8868\u0100", FakeCp932), "http://a/\x95\x5C%C4%80");
    EXPECT_EQ(UrlBytesOf(u"x\U0001F600y\U0010FFFF", FakeCp932), "x%F0%9F%98%80y%F4%8F%BF%BF");
    EXPECT_EQ(UrlBytesOf(std::u16string(u"a\xD83D") + u"b\xDFFF", FakeCp932), "a%EF%BF%BDb%EF%BF%BD");
}

}  // namespace
