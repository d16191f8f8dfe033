// A browser profile's Bookmarks file as one Book: the shapes the browsers write, and hostile files.
#include <gtest/gtest.h>

#include "core/profile_bookmarks.h"
#include "tests/core/test_codec.h"

namespace {

using Lines = std::vector<std::string>;

struct JsonCase {
    const char* name;
    std::string json;
    ImportStatus status;
    Lines lines;           // after the Book line "0B\"
    size_t leftOut = 0;
};

std::string Node(const char* type, const std::string& name, const std::string& rest)
{
    return std::string("{\"type\":\"") + type + "\",\"name\":\"" + name + "\",\"id\":\"7\"," + rest + "}";
}

TEST(ProfileBookmarks, ShapesAndHostileFiles)
{
    const std::string bar = Node("folder", "Bar", "\"children\":[" +
        Node("url", "A \\uD83D\\uDE00", "\"url\":\"http://a/\",\"date_added\":\"13300000000000000\"") + "," +
        Node("folder", "F", "\"children\":[" + Node("url", "", "\"url\":\"http://b/\"") + "],\"date_modified\":\"0\"") +
        "," + Node("url", "C", "\"url\":\"http://c/\"") + "]");
    std::string deep = "{\"roots\":{\"other\":", close;
    for (int i = 0; i < 10000; ++i) deep += "{\"type\":\"folder\",\"children\":[", close += "]}";
    const JsonCase rows[] = {
        {"ThreeRootsInOrderUnknownKeysIgnored",
         "{\"checksum\":\"x\",\"roots\":{\"synced\":" + Node("folder", "Mobile", "\"children\":[]") +
             ",\"other\":" + Node("folder", "Other", "\"children\":[]") + ",\"bookmark_bar\":" + bar +
             "},\"sync_metadata\":\"q\",\"version\":1}",
         ImportStatus::Done,
         {"1Bar\\", "2A ?,http://a/", "2F\\", "3http://b/,http://b/", "2C,http://c/", "1Other\\", "1Mobile\\"}},
        {"WrongTypesPassedOver",
         "{\"roots\":{\"other\":{\"children\":[7,{\"type\":\"url\",\"name\":5,\"url\":\"http://u/\"},"
         "{\"type\":\"folder\",\"name\":\"G\",\"children\":{}},{\"name\":\"n\"},{\"type\":\"url\",\"name\":\"x\"}]},"
         "\"synced\":[]}}",
         ImportStatus::Done, {"1other\\", "2http://u/,http://u/", "2G\\"}, 1},
        {"HugeTitleLeftOut", "{\"roots\":{\"other\":{\"name\":\"O\",\"children\":[" +
             Node("url", std::string(10 << 20, 'a'), "\"url\":\"http://u/\"") + "]}}}",
         ImportStatus::Done, {"1O\\"}, 1},
        {"UnterminatedString", "{\"roots\":{\"other\":{\"name\":\"O", ImportStatus::NotReadable, {}},
        {"NoRoots", "{\"version\":1}", ImportStatus::NotReadable, {}},
        {"NotAnObject", "[1,2]", ImportStatus::NotReadable, {}},
        {"InvalidBytes", "{\"roots\":{\"other\":{\"name\":\"\xff\"}}}", ImportStatus::NotReadable, {}},
    };
    for (const JsonCase& r : rows) {
        ImportResult got = ReadProfileBookmarks(r.json, "B", kTestCodec, 65535);
        EXPECT_EQ(got.status, r.status) << r.name;
        EXPECT_EQ(got.counts.leftOut, r.leftOut) << r.name;
        if (r.status != ImportStatus::Done) continue;
        Lines want{"0B\\"};
        want.insert(want.end(), r.lines.begin(), r.lines.end());
        EXPECT_EQ(got.lines, want) << r.name;
    }
    ImportResult deepest = ReadProfileBookmarks(deep + close + "}}", "B", kTestCodec, 65535);
    ASSERT_EQ(deepest.lines.size(), 10001u);
    EXPECT_EQ(deepest.lines[2], "2\\");
    EXPECT_EQ(deepest.lines.back(), "\xFF\\");   // below depth 0xFF every folder stays there
    EXPECT_EQ(ReadProfileBookmarks(rows[0].json, "B", kTestCodec, 7).status, ImportStatus::TooManyLines);
    EXPECT_EQ(ReadProfileBookmarks(rows[0].json, "B", kTestCodec, 8).status, ImportStatus::Done);
}

// A Book titled by a profile's or a file's name changes and counts as a folder read from the file.
TEST(ImportBookTitle, MappedAndCountedAsAFolder)
{
    const struct { const char* name; const char* title; } rows[] = {
        {"Chrome (Profile 1), x", "Chrome (Profile 1), x"}, {"a\\b", "a\x81\x5F" "b"}, {"\xC4\x80z", "?z"}};
    ImportCounts counts;
    for (const auto& r : rows) {
        size_t before = counts.titlesChanged;
        EXPECT_EQ(ImportBookTitle(kTestCodec, r.name, counts), r.title) << r.name;
        EXPECT_EQ(counts.titlesChanged - before, r.name == rows[0].name ? 0u : 1u) << r.name;
    }
}

}  // namespace
