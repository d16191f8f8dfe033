// Tests of the shortcut reader: which names are shortcuts, their titles, and the URL a file holds.
#include <gtest/gtest.h>

#include "core/url_file.h"

namespace {

using namespace std::literals;

struct NameCase {
    const char* name;
    std::string_view file;
    bool shortcut;
    std::string_view title;
};

class ShortcutNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ShortcutNameTest, NameAndTitle)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(IsShortcutName(c.file), c.shortcut);
    if (c.shortcut) {
        EXPECT_EQ(ShortcutTitle(c.file), c.title);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, ShortcutNameTest, ::testing::Values(
    NameCase{"Plain", "a.url", true, "a"},
    NameCase{"UpperCase", "News.URL", true, "News"},
    NameCase{"UrlInsideTheName", "notes.url.txt", true, "notes.url"},
    NameCase{"DesktopIni", "desktop.ini", false, ""},
    NameCase{"NoDot", "url", false, ""},
    NameCase{"CommasBecomeFullWidth", "a,b,c.url", true, "a\x81\x43" "b\x81\x43" "c"},
    NameCase{"SemicolonStays", "x;y.url", true, "x;y"},
    NameCase{"DoubleByteName", "\x95\x5c\x83\x41.url", true, "\x95\x5c\x83\x41"},
    NameCase{"TrailByteIsNoComma", "\x83\x2c.url", true, "\x83\x2c"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

struct UrlCase {
    const char* name;
    std::string_view bytes;
    std::string_view url;
};

class ShortcutUrlTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(ShortcutUrlTest, ReadsTheUrl)
{
    EXPECT_EQ(ShortcutUrl(GetParam().bytes), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(Files, ShortcutUrlTest, ::testing::Values(
    UrlCase{"CrLf", "[InternetShortcut]\r\nURL=http://a/\r\n", "http://a/"},
    UrlCase{"BaseUrlBeforeUrl", "[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\nURL=http://real/\r\n",
            "http://real/"},
    UrlCase{"BaseUrlAfterUrl", "[InternetShortcut]\r\nURL=http://real/\r\n[DEFAULT]\r\nBASEURL=http://base/\r\n",
            "http://real/"},
    UrlCase{"LfOnly", "[InternetShortcut]\nURL=http://a/\nIconIndex=0\n", "http://a/"},
    UrlCase{"NoLineEndAtTheEnd", "[InternetShortcut]\r\nURL=http://a/b,c", "http://a/b,c"},
    UrlCase{"LastUrlLineWins", "URL=http://1/\r\nURL=http://2/\r\n", "http://2/"},
    UrlCase{"OnlyInsideAnotherKey", "[x]\r\nMyURL=http://loose/\r\n", "http://loose/"},
    UrlCase{"None", "[InternetShortcut]\r\nIconIndex=0\r\n", ""},
    // A NUL would stand in the URL's line and vanish when the list is read back.
    UrlCase{"NulBytesDropped", "URL=http://a/\0b\r\nX=\0"sv, "http://a/b"},
    UrlCase{"WideTextReadAsBytes", "U\0R\0L\0=\0h\0:\0/\0/\0x\0\r\0\n\0"sv, "h://x"},
    UrlCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<UrlCase>& info) { return std::string(info.param.name); });

}  // namespace
