// Bookmark HTML in: the shapes browsers write, the import rules, the charset, hostile files.
#include <gtest/gtest.h>

#include "core/bookmark_html.h"
#include "tests/core/test_codec.h"

namespace {

using Lines = std::vector<std::string>;

struct HtmlCase {
    const char* name;
    std::string html;
    Lines lines;
    ImportCounts counts{};
    ImportStatus status = ImportStatus::Done;
};

const std::string kHead = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<!-- a\r\n b -->\r\n"
                          "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
                          "<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n";

TEST(BookmarkHtml, ReadsWhatBrowsersWrite)
{
    const HtmlCase rows[] = {
        {"ExportShape", kHead + "<DL><p>\r\n    <DT><H3 ADD_DATE=\"1\" PERSONAL_TOOLBAR_FOLDER=\"true\">Bar &amp; <i>co</i></H3>\r\n"
             "    <DD>about <b>the bar</b>\r\n    <DL><p>\r\n        <DT><A HREF=\"http://a/?q=&quot;1&quot;&amp;r\" "
             "ADD_DATE=\"2\" ICON=\"data:image/png;base64," + std::string(100000, 'Q') + "\">A&#39;s &#x3042;</A>\r\n"
             "        <DD>a > description\r\n        <HR>\r\n    </DL><p>\r\n    <DT><H3>Empty</H3>\r\n    <DL><p>\r\n"
             "    </DL><p>\r\n    <DT><A HREF=\"javascript:void(0)\" TAGS=\"t\">&c;js</A>\r\n</DL><p>\r\n",
         {"0Bar & co\\", "1A's \x82\xA0,http://a/?q=\"1\"&r", "0Empty\\", "0&c;js,javascript:void(0)"}},
        {"LowerCaseLfNoParagraphs", "<dl>\n<dt><h3>F</h3>\n<dl>\n<dt><a\nhref='u'>x</a>\n</dl>\n<dt><a href=v>y</a>\n</dl>\n",
         {"0F\\", "1x,u", "0y,v"}},
        {"UnclosedTags", "<DL><DT><H3>F<DL><DT><A HREF=\"u\">x<DT><A HREF=\"v\">y</DL><DT><H3>E</H3><DT><A HREF=\"w\">z",
         {"0F\\", "1x,u", "1y,v", "0E\\", "0z,w"}},
        {"ListWithoutHeadingAddsNoDepth", "<DL><DT><H3>F</H3><DL><DT><A HREF=\"u\">x</A><DL><DT><A HREF=\"v\">y</A></DL>"
             "<DT><A HREF=\"w\">z</A></DL><DT><A HREF=\"o\">out</A></DL></DL>",
         {"0F\\", "1x,u", "1y,v", "1z,w", "0out,o"}},
        {"ImportRules", kHead + "<DL><DT><A HREF=\"u\">t</A><DT><A HREF=\"u\">t</A><DT><A HREF=\"v\">a,b</A>"
             "<DT><H3>c,d\\e</H3><DL></DL><DT><A HREF=\"http://w/\"></A><DT><A HREF=\"place:sort=8\">p</A>"
             "<DT><A HREF=\"http://\xC3\xA9/\">e</A><DT><A HREF=\"http://x\\\">f</A><DT><A HREF=\"y&#13;\">\xF0\x9F\x98\x80&#10;&#x110000;g</A>"
             "<DT><A>n</A><DT><A HREF=\"\xED\xA0\x80\">h</A>",
         {"0t,u", "0t(2),u", "0a\x81\x43" "b,v", "0c,d\x81\x5F" "e\\", "0http://w/,http://w/", "0e,http://%C3%A9/",
          "0f,http://x/", "0? ?g,y%0D", "0h,%ED%A0%80"},
         {4, 4, 2}},
        {"UnterminatedQuoteEndsAtTag", "<DL><DT><A HREF=\"http://u>x</A>", {"0x,http://u"}},
        {"FileEndsInsideATag", "<DL><DT><A HREF=\"http://u\">x</A><DT><A HREF=\"http://v\" ICON=\"dat", {"0x,http://u"},
         {0, 0, 1}},
        {"HugeTitleLeftOut", "<DL><DT><A HREF=\"u\">" + std::string(10 << 20, 'a') + "</A><DT><H3>" +
             std::string(70000, 'b') + "</H3><DL><DT><A HREF=\"v\">in</A><DT><H3>sub</H3></DL><DT><A HREF=\"w\">z</A>",
         {"0z,w"}, {0, 0, 4}},
        {"NoMetaValidUtf8", "<DL><META CHARSET=EUC-JP><DT><A HREF=\"u\">\xE3\x81\x82</A>", {"0\x82\xA0,u"}},
        {"NoMetaElseCp932", "<DL><DT><A HREF=\"u\xA0\">\x82\xA0\x95\x5C\x80</A>", {"0\x82\xA0\x95\x5C?,u%A0"}, {1, 1, 0}},
        {"MetaShiftJis", "<META CONTENT=\"text/html; charset = Shift_JIS\"><DL><DT><A HREF=\"u\">\x95\x5C</A>",
         {"0\x95\x5C,u"}},
        {"MetaCharsetAttribute", "<meta charset=\"windows-31j\"><DL><DT><A HREF=\"u\">\x83\x5C</A>", {"0\x83\x5C,u"}},
        {"MetaUtf8InvalidBytes", kHead + "<DL><DT><A HREF=\"u\">\x82\xA0</A>", {"0??,u"}, {1, 0, 0}},
        {"OtherCharsetRefused", "<META CONTENT=\"text/html; charset=EUC-JP\"><DL>", {}, {}, ImportStatus::UnknownCharset},
        {"NotBookmarks", "just text <b>bold</b>", {}, {}, ImportStatus::NotReadable},
    };
    for (const HtmlCase& r : rows) {
        ImportResult got = ReadBookmarkHtml(r.html, kTestCodec, 65535);
        EXPECT_EQ(got.status, r.status) << r.name;
        if (r.status != ImportStatus::Done) continue;
        EXPECT_EQ(got.lines, r.lines) << r.name;
        EXPECT_EQ(got.counts.titlesChanged, r.counts.titlesChanged) << r.name;
        EXPECT_EQ(got.counts.urlsChanged, r.counts.urlsChanged) << r.name;
        EXPECT_EQ(got.counts.leftOut, r.counts.leftOut) << r.name;
    }
    EXPECT_EQ(ReadBookmarkHtml(rows[13].html, kTestCodec, 9).charset, "EUC-JP");
    EXPECT_EQ(ReadBookmarkHtml(rows[2].html, kTestCodec, 4).status, ImportStatus::TooManyLines);
    EXPECT_EQ(ReadBookmarkHtml(rows[2].html, kTestCodec, 5).lines, rows[2].lines);
}

TEST(BookmarkHtml, DeepNestingNeedsNoStack)
{
    std::string html = "<DL>";
    for (int i = 0; i < 10000; ++i) html += "<DT><H3>F</H3><DL>";
    ImportResult got = ReadBookmarkHtml(html, kTestCodec, 65535);
    ASSERT_EQ(got.lines.size(), 10000u);
    EXPECT_EQ(got.lines[9], "9F\\");
    EXPECT_EQ(got.lines.back(), "\xFF" "F\\");
}

}  // namespace

namespace {

// The list's own shapes: Books and Groups past depth 9, every character the file escapes,
// double-byte characters (0x5C trail bytes too) and half-width ones.
Lines ListOfEveryShape()
{
    Lines list = {"0Book & <Co>\\", "1\"q\" 'a',b\\", "2\x82\xA0\x95\x5C\x83\x5C,http://a/?x=1&y=\"2\"<>",
                  "2\xB1\xB2 \x81\x43\x81\x5F,javascript:alert('&lt;')", "1Empty\\", "0t,http://\x95\x5C/x"};
    for (char depth = '0'; depth < '0' + 13; ++depth) list.push_back(std::string(1, depth) + "L\\");
    list.push_back("=u,http://u/");
    return list;
}

TEST(BookmarkHtml, ExportReadsBackAsTheList)
{
    size_t replaced = 9;
    std::string html = WriteBookmarkHtml(ListOfEveryShape(), kTestCodec, &replaced);
    EXPECT_EQ(replaced, 0u);
    ImportResult back = ReadBookmarkHtml(html, kTestCodec, 65535);
    EXPECT_EQ(back.lines, ListOfEveryShape());
    EXPECT_EQ(back.counts.titlesChanged + back.counts.urlsChanged + back.counts.leftOut, 0u);

    // Another program's reader of the format sees the same lines.
    std::string lines;
    for (const std::string& line : ListOfEveryShape()) lines += (lines.empty() ? "" : "\n") + line;
    const std::string out = ::testing::TempDir() + "export_check";
    for (auto [path, bytes] : {std::pair{out + ".html", html}, std::pair{out + ".lines", lines}}) {
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_TRUE(file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
        std::fclose(file);
    }
    EXPECT_EQ(std::system(("python3 " LARKIT_SOURCE_DIR "/tests/core/read_export.py " + out + ".html " + out + ".lines").c_str()), 0);

    // Lines outside the list's rules still give a file that reads: no character, depth jumps, empty lines.
    html = WriteBookmarkHtml({"", "2deep,u", "0F\\", "3x\x80,v", "0y,w"}, kTestCodec, &replaced);
    EXPECT_EQ(replaced, 1u);
    EXPECT_EQ(ReadBookmarkHtml(html, kTestCodec, 65535).lines, (Lines{"0deep,u", "0F\\", "1x?,v", "0y,w"}));
}

}  // namespace
