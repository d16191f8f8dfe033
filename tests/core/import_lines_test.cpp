// Tests of the import's order and lines over made-up folders: the listing order of the
// Favorites folder, the reversed order below it, titles, depths and the line bound.
#include <gtest/gtest.h>

#include <map>

#include "core/import_lines.h"

namespace {

using Lines = std::vector<std::string>;

// Folders by path; each entry's path is its folder's path, a backslash and its name.
class FakeFolders {
public:
    void Add(const std::wstring& folder, const char* name, bool isFolder, const char* url = "")
    {
        std::wstring wide(name, name + std::char_traits<char>::length(name));
        folders_[folder].push_back({name, isFolder, isFolder ? folder + L"\\" + wide : L"", url});
        if (isFolder) folders_[folder + L"\\" + wide];
    }
    FolderReader Reader()
    {
        return [this](const std::wstring& path) {
            ++reads_;
            auto found = folders_.find(path);
            return found == folders_.end() ? std::vector<FolderEntry>() : found->second;
        };
    }
    int reads() const { return reads_; }

private:
    std::map<std::wstring, std::vector<FolderEntry>> folders_;
    int reads_ = 0;
};

Lines Build(FakeFolders& fake, size_t maxLines = 65535, bool* fits = nullptr)
{
    Lines lines;
    bool ok = BuildImportLines("T", L"P", fake.Reader(), maxLines, &lines);
    if (fits) *fits = ok;
    return lines;
}

TEST(BuildImportLines, TopLevelInListingOrderAndEachFolderReversed)
{
    FakeFolders fake;
    fake.Add(L"P", "a.url", false, "U(a)");
    fake.Add(L"P", "F", true);
    fake.Add(L"P", "b.url", false, "U(b)");
    fake.Add(L"P\\F", "x.url", false, "U(x)");
    fake.Add(L"P\\F", "y.url", false, "U(y)");
    fake.Add(L"P\\F", "G", true);
    EXPECT_EQ(Build(fake), (Lines{"0T\\", "1a,U(a)", "1F\\", "2G\\", "2y,U(y)", "2x,U(x)", "1b,U(b)"}));
}

TEST(BuildImportLines, SiblingTitlesAreMadeUniqueInListOrder)
{
    FakeFolders fake;
    fake.Add(L"P", "News.url", false, "u1");
    fake.Add(L"P", "News", true);
    fake.Add(L"P", "News.url.txt", false, "u2");   // titled News.url: no clash
    fake.Add(L"P", "News.URLS", false, "u3");
    fake.Add(L"P\\News", "News.url", false, "u4");   // another folder: no clash
    EXPECT_EQ(Build(fake), (Lines{"0T\\", "1News,u1", "1News(2)\\", "2News,u4", "1News.url,u2", "1News(3),u3"}));
}

TEST(BuildImportLines, DepthsGoOnPastNineAndStayAtTheLastByte)
{
    FakeFolders fake;
    std::wstring path = L"P";
    for (int level = 0; level < 300; ++level) {
        fake.Add(path, "d", true);
        path += L"\\d";
    }
    fake.Add(path, "deep.url", false, "http://deep");
    Lines lines = Build(fake);
    ASSERT_EQ(lines.size(), 302u);
    EXPECT_EQ(lines[9], "9d\\");
    EXPECT_EQ(lines[10], ":d\\");
    EXPECT_EQ(lines[11], ";d\\");
    EXPECT_EQ(static_cast<unsigned char>(lines[255 - '0'][0]), 0xFF);
    EXPECT_EQ(lines[301], "\xff" "deep,http://deep");   // nothing is lost past the last level
}

TEST(BuildImportLines, StopsReadingOnceTheBoundIsPassed)
{
    FakeFolders fake;
    for (int i = 0; i < 5; ++i) fake.Add(L"P", ("F" + std::to_string(i)).c_str(), true);
    bool fits = false;
    EXPECT_EQ(Build(fake, 6, &fits).size(), 6u);
    EXPECT_TRUE(fits);
    fake = FakeFolders();
    for (int i = 0; i < 5; ++i) fake.Add(L"P", ("F" + std::to_string(i)).c_str(), true);
    Build(fake, 5, &fits);
    EXPECT_FALSE(fits);
    EXPECT_LT(fake.reads(), 6) << "no folder is read once the lines cannot fit";
}

}  // namespace
