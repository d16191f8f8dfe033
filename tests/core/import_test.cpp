// The Favorites import over made-up folders, and the shortcut reader.
#include <gtest/gtest.h>

#include <map>

#include "core/import_lines.h"
#include "core/url_file.h"

namespace {

using namespace std::literals;
using Lines = std::vector<std::string>;

// Folders by path; each entry's path is its folder's path, a backslash and its name.
struct FakeFolders {
    std::map<std::wstring, std::vector<FolderEntry>> folders;
    int reads = 0;

    void Add(const std::wstring& folder, const std::string& name, bool isFolder, const char* url = "")
    {
        std::wstring inner = folder + L"\\" + std::wstring(name.begin(), name.end());
        folders[folder].push_back({name, isFolder, isFolder ? inner : L"", url});
    }
    Lines Build(size_t maxLines = 65535, bool* fits = nullptr)
    {
        Lines lines;
        bool ok = BuildImportLines("T", L"P", [this](const std::wstring& path) {
            ++reads;
            return folders.count(path) ? folders[path] : std::vector<FolderEntry>();
        }, maxLines, &lines);
        if (fits) *fits = ok;
        return lines;
    }
};

TEST(BuildImportLines, TopLevelInListingOrderAndEachFolderReversed)
{
    FakeFolders fake;
    fake.Add(L"P", "a.url", false, "U(a)");
    fake.Add(L"P", "F", true);
    fake.Add(L"P", "b.url", false, "U(b)");
    fake.Add(L"P\\F", "x.url", false, "U(x)");
    fake.Add(L"P\\F", "y.url", false, "U(y)");
    fake.Add(L"P\\F", "G", true);
    EXPECT_EQ(fake.Build(), (Lines{"0T\\", "1a,U(a)", "1F\\", "2G\\", "2y,U(y)", "2x,U(x)", "1b,U(b)"}));
}

TEST(BuildImportLines, SiblingTitlesAreMadeUniqueInListOrder)
{
    FakeFolders fake;
    fake.Add(L"P", "News.url", false, "u1");
    fake.Add(L"P", "News", true);
    fake.Add(L"P", "News.url.txt", false, "u2");   // titled News.url: no clash
    fake.Add(L"P", "News.URLS", false, "u3");
    fake.Add(L"P\\News", "News.url", false, "u4");   // another folder: no clash
    EXPECT_EQ(fake.Build(), (Lines{"0T\\", "1News,u1", "1News(2)\\", "2News,u4", "1News.url,u2", "1News(3),u3"}));
}

TEST(BuildImportLines, StopsReadingOnceTheBoundIsPassed)
{
    for (size_t bound : {6, 5, 0}) {
        FakeFolders fake;
        for (int i = 0; i < 5; ++i) fake.Add(L"P", "F" + std::to_string(i), true);
        bool fits = false;
        EXPECT_EQ(fake.Build(bound, &fits).size(), bound);
        EXPECT_EQ(fits, bound == 6);
        if (!fits) { EXPECT_LT(fake.reads, 6) << "no folder is read once the lines cannot fit"; }
    }
}

TEST(Shortcut, NameAndTitle)
{
    const struct { const char* name; std::string_view file; bool shortcut; std::string_view title; } rows[] = {
        {"UpperCase", "News.URL", true, "News"}, {"UrlInsideTheName", "notes.url.txt", true, "notes.url"},
        {"DesktopIni", "desktop.ini", false, ""}, {"NoDot", "url", false, ""},
        {"CommasBecomeFullWidth", "a,b,c.url", true, "a\x81\x43" "b\x81\x43" "c"},
        {"TrailByteIsNoDot", "\x83\x2e" "url", false, ""}, {"TrailByteIsNoComma", "\x83\x2c.url", true, "\x83\x2c"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(IsShortcutName(r.file), r.shortcut) << r.name;
        if (r.shortcut) { EXPECT_EQ(ShortcutTitle(r.file), r.title) << r.name; }
    }
}

TEST(Shortcut, ReadsTheUrl)
{
    const struct { const char* name; std::string_view bytes; std::string_view url; } rows[] = {
        {"CrLf", "[InternetShortcut]\r\nURL=http://a/\r\n", "http://a/"},
        {"BaseUrlBeforeUrl", "[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\nURL=http://real/\r\n",
         "http://real/"},
        {"LfOnly", "[InternetShortcut]\nURL=http://a/\nIconIndex=0\n", "http://a/"},
        {"LastUrlLineWins", "URL=http://1/\r\nURL=http://2/\r\n", "http://2/"},
        {"OnlyInsideAnotherKey", "[x]\r\nMyURL=http://loose/\r\n", "http://loose/"},
        {"None", "[InternetShortcut]\r\nIconIndex=0\r\n", ""},
        // A NUL would stand in the URL's line and vanish when the list is read back.
        {"NulBytesDropped", "URL=http://a/\0b\r\nX=\0"sv, "http://a/b"},
        {"WideTextReadAsBytes", "U\0R\0L\0=\0h\0:\0/\0/\0x\0\r\0\n\0"sv, "h://x"},
    };
    for (const auto& r : rows) EXPECT_EQ(ShortcutUrl(r.bytes), r.url) << r.name;
}

}  // namespace
