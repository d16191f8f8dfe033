// One forward pass over the bytes with a stack of open lists instead of recursion, so that
// neither a huge ICON attribute nor a deep nesting costs more than its bytes.
#include "core/bookmark_html.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "core/cp932.h"
#include "core/entry_line.h"
#include "core/utf8.h"

namespace {

// A tag as far as the reader needs it.
struct Tag {
    std::string name;   // lower case; empty for comments and declarations
    bool closing = false;
    std::string_view href, charset, content;
};

struct Token {
    enum Kind { Text, TagToken, End } kind = End;
    std::string_view text;
    Tag tag;
    bool cut = false;   // the file ends inside the tag
};

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == ':'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The attributes of a tag from `at` (just after its name) to its '>'; the position after it.
size_t ReadAttributes(std::string_view s, size_t at, Tag* tag, bool* cut)
{
    while (at < s.size()) {
        while (at < s.size() && (IsBlank(s[at]) || s[at] == '/')) ++at;
        if (at == s.size()) break;
        if (s[at] == '>') return at + 1;
        size_t nameEnd = at;
        while (nameEnd < s.size() && !IsBlank(s[nameEnd]) && s[nameEnd] != '=' && s[nameEnd] != '>') ++nameEnd;
        std::string name = LowerAscii(s.substr(at, std::max(nameEnd, at + 1) - at));
        at = std::max(nameEnd, at + 1);
        while (at < s.size() && IsBlank(s[at])) ++at;
        if (at == s.size() || s[at] != '=') continue;
        ++at;
        while (at < s.size() && IsBlank(s[at])) ++at;
        std::string_view value;
        if (at < s.size() && (s[at] == '"' || s[at] == '\'')) {
            // A value whose quote is never closed ends at the tag's end, so the rest of the file stays.
            size_t close = s.find(s[at], at + 1);
            if (close == std::string_view::npos) close = std::min(s.find('>', at + 1), s.size());
            value = s.substr(at + 1, close - at - 1);
            at = close < s.size() && s[close] != '>' ? close + 1 : close;
        } else {
            size_t end = at;
            while (end < s.size() && !IsBlank(s[end]) && s[end] != '>') ++end;
            value = s.substr(at, end - at);
            at = end;
        }
        if (name == "href") tag->href = value;
        else if (name == "charset") tag->charset = value;
        else if (name == "content") tag->content = value;
    }
    *cut = true;
    return s.size();
}

// The token at `*at`, moving past it.
Token NextToken(std::string_view s, size_t* at)
{
    Token token;
    size_t i = *at;
    if (i >= s.size()) return token;
    bool closing = i + 1 < s.size() && s[i + 1] == '/';
    size_t nameAt = i + (closing ? 2 : 1);
    bool isTag = s[i] == '<' && nameAt < s.size() && std::isalpha(static_cast<unsigned char>(s[nameAt]));
    if (s[i] == '<' && !isTag && i + 1 < s.size() && (s[i + 1] == '!' || s[i + 1] == '?')) {
        token.kind = Token::TagToken;
        bool comment = s.substr(i, 4) == "<!--";
        size_t end = s.find(comment ? "-->" : ">", i + 2);
        token.cut = end == std::string_view::npos;
        *at = token.cut ? s.size() : end + (comment ? 3 : 1);
        return token;
    }
    if (!isTag) {
        size_t end = std::min(s.find('<', i + 1), s.size());
        token.kind = Token::Text;
        token.text = s.substr(i, end - i);
        *at = end;
        return token;
    }
    size_t nameEnd = nameAt;
    while (nameEnd < s.size() && IsNameChar(s[nameEnd])) ++nameEnd;
    token.kind = Token::TagToken;
    token.tag.name = LowerAscii(s.substr(nameAt, nameEnd - nameAt));
    token.tag.closing = closing;
    *at = ReadAttributes(s, nameEnd, &token.tag, &token.cut);
    return token;
}

// The charset a META tag names: its CHARSET attribute, or the "charset=" part of its CONTENT.
std::string_view MetaCharset(const Tag& tag)
{
    if (!tag.charset.empty()) return tag.charset;
    std::string lower = LowerAscii(tag.content);
    size_t at = lower.find("charset");
    if (at == std::string::npos) return {};
    at += 7;
    while (at < lower.size() && IsBlank(lower[at])) ++at;
    if (at == lower.size() || lower[at] != '=') return {};
    ++at;
    while (at < lower.size() && (IsBlank(lower[at]) || lower[at] == '"' || lower[at] == '\'')) ++at;
    size_t end = at;
    while (end < lower.size() && !IsBlank(lower[end]) && lower[end] != ';' && lower[end] != '"' && lower[end] != '\'') ++end;
    return tag.content.substr(at, end - at);
}

enum class Charset { Utf8, Cp932, Other };

Charset CharsetNamed(std::string_view name)
{
    std::string lower = LowerAscii(name);
    if (lower == "utf-8" || lower == "utf8") return Charset::Utf8;
    for (const char* known : {"shift_jis", "shift-jis", "sjis", "x-sjis", "windows-31j", "cp932", "ms932", "ms_kanji"})
        if (lower == known) return Charset::Cp932;
    return Charset::Other;
}

// The first META charset before the first list, the place a file's head has.
std::string_view DeclaredCharset(std::string_view s)
{
    size_t at = 0;
    for (Token t = NextToken(s, &at); t.kind != Token::End; t = NextToken(s, &at)) {
        if (t.kind != Token::TagToken || t.tag.closing) continue;
        if (t.tag.name == "dl") break;
        if (t.tag.name == "meta" && !MetaCharset(t.tag).empty()) return MetaCharset(t.tag);
    }
    return {};
}

// `raw` (code page 932) as UTF-8; a character that stands for none keeps its bytes, which are
// then no UTF-8 either, so the import's conversion replaces and counts them.
std::string Cp932AsUtf8(std::string_view raw, const TextCodec& codec)
{
    std::string utf8, one;
    if (codec.toUtf8(raw, &utf8)) return utf8;
    utf8.clear();
    for (size_t i = 0, width; i < raw.size(); i += width) {
        width = CharLength932(raw, i);
        if (codec.toUtf8(raw.substr(i, width), &one)) utf8 += one;
        else utf8.append(raw.substr(i, width));
    }
    return utf8;
}

// `text` with its entities decoded; one that names no character becomes U+FFFD, an unknown one
// stays as it is.
std::string DecodeEntities(std::string_view text)
{
    if (text.find('&') == std::string_view::npos) return std::string(text);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t semi = text[i] == '&' ? text.find(';', i + 1) : std::string_view::npos;
        if (semi == std::string_view::npos || semi - i > 10) {
            out.push_back(text[i]);
            continue;
        }
        std::string name = LowerAscii(text.substr(i + 1, semi - i - 1));
        static const struct { const char* name; char c; } kNamed[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool known = false;
        for (const auto& named : kNamed)
            if (name == named.name) out.push_back(named.c), known = true;
        if (!known && name.size() > 1 && name[0] == '#') {
            bool hex = name[1] == 'x';
            std::string digits = name.substr(hex ? 2 : 1);
            bool number = !digits.empty() && digits.size() <= 8;
            unsigned long cp = 0;
            for (char c : digits) {
                number = number && (hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c)));
                if (number) cp = cp * (hex ? 16 : 10) + (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'a' + 10);
            }
            if (number && !AppendUtf8(out, static_cast<char32_t>(cp))) AppendUtf8(out, 0xFFFD);
            known = number;
        }
        if (!known) {
            out.push_back(text[i]);
            continue;
        }
        i = semi;
    }
    return out;
}

// The walk over the tokens: the H3 or A being read, and the lists open around it.
struct HtmlRead {
    ImportBuild build;
    bool utf8;
    enum class Item { None, Folder, Link } item = Item::None;
    std::string title{};
    std::string_view href{};
    bool awaitingList = false;   // a folder was read and its DL has not come
    std::vector<bool> lists{};   // the open DLs: true for one that holds a folder's entries
};

std::string TextOf(const HtmlRead& read, std::string_view raw)
{
    return DecodeEntities(read.utf8 ? std::string(raw) : Cp932AsUtf8(raw, read.build.codec));
}

void FinishItem(HtmlRead& read)
{
    if (read.item == HtmlRead::Item::Folder) {
        AddImportFolder(read.build, TextOf(read, read.title));
        read.awaitingList = true;
    } else if (read.item == HtmlRead::Item::Link) {
        AddImportLink(read.build, TextOf(read, read.title), TextOf(read, read.href));
    }
    read.item = HtmlRead::Item::None;
    read.title.clear();
}

// A folder heading followed by no list is an empty folder.
void EndAwaitedList(HtmlRead& read)
{
    if (read.awaitingList) EndImportFolder(read.build);
    read.awaitingList = false;
}

bool IsStructural(const std::string& name)
{
    for (const char* structural : {"a", "dd", "dl", "dt", "h1", "h3", "hr"})
        if (name == structural) return true;
    return false;
}

void OnTag(HtmlRead& read, const Tag& tag)
{
    if (read.item != HtmlRead::Item::None) {
        if (tag.closing && tag.name == (read.item == HtmlRead::Item::Folder ? "h3" : "a")) return FinishItem(read);
        if (!IsStructural(tag.name)) return;   // markup inside a title
        FinishItem(read);
    }
    if (tag.name == "dl") {
        if (!tag.closing) {
            read.lists.push_back(read.awaitingList);
            read.awaitingList = false;
            return;
        }
        EndAwaitedList(read);
        if (read.lists.empty()) return;
        if (read.lists.back()) EndImportFolder(read.build);
        read.lists.pop_back();
    } else if (!tag.closing && (tag.name == "dt" || tag.name == "h3" || tag.name == "a")) {
        EndAwaitedList(read);
        if (tag.name == "h3") read.item = HtmlRead::Item::Folder;
        if (tag.name == "a") read.item = HtmlRead::Item::Link, read.href = tag.href;
    }
}

}  // namespace

ImportResult ReadBookmarkHtml(std::string_view bytes, const TextCodec& codec, size_t maxLines)
{
    HtmlRead read{ImportBuild{codec, maxLines, {}, {}}, true};
    std::string_view declared = DeclaredCharset(bytes);
    Charset charset = declared.empty() ? (IsValidUtf8(bytes) ? Charset::Utf8 : Charset::Cp932) : CharsetNamed(declared);
    if (charset == Charset::Other) {
        read.build.result.status = ImportStatus::UnknownCharset;
        read.build.result.charset = std::string(declared);
        return std::move(read.build.result);
    }
    read.utf8 = charset == Charset::Utf8;
    StartImport(read.build, kTopDepthChar);
    bool format = false;
    size_t at = 0;
    for (Token t = NextToken(bytes, &at); t.kind != Token::End && read.build.result.status == ImportStatus::Done;
         t = NextToken(bytes, &at)) {
        if (t.kind == Token::Text) {
            if (read.item != HtmlRead::Item::None) read.title.append(t.text);
            continue;
        }
        if (t.cut) {
            if (t.tag.name == "a") ++read.build.result.counts.leftOut;   // its URL may be cut
            break;
        }
        format = format || t.tag.name == "dl" || t.tag.name == "h3" || t.tag.name == "a";
        OnTag(read, t.tag);
    }
    FinishItem(read);
    if (!format) read.build.result.status = ImportStatus::NotReadable;
    return std::move(read.build.result);
}

static bool NeedsEscape(char c) { return c == '&' || c == '<' || c == '>' || c == '"'; }

// Eight bytes at a time, as the export writes megabytes of mostly ASCII URLs. A word holds the
// bytes from `p` with the first in its low byte, whatever the machine's byte order.
static constexpr uint64_t kEveryByte = 0x0101010101010101u, kHighBits = 0x8080808080808080u;

static uint64_t ByteAt(const char* p, int i) { return uint64_t{static_cast<unsigned char>(p[i])} << (8 * i); }

static uint64_t WordAt(const char* p)
{
    return ByteAt(p, 0) | ByteAt(p, 1) | ByteAt(p, 2) | ByteAt(p, 3) | ByteAt(p, 4) | ByteAt(p, 5) | ByteAt(p, 6) |
           ByteAt(p, 7);
}

// The high bit of each byte of `word` that is `byte`; exact up to the lowest one marked (a
// borrow only runs upwards).
static uint64_t BytesEqual(uint64_t word, unsigned char byte)
{
    uint64_t x = word ^ (kEveryByte * byte);
    return (x - kEveryByte) & ~x & kHighBits;
}

// A byte that ends a stretch copied as it is: one beyond ASCII, and when `escaped` one of & < > ".
static bool IsStop(char c, bool escaped)
{
    return static_cast<unsigned char>(c) >= 0x80 || (escaped && NeedsEscape(c));
}

static uint64_t StopBytes(uint64_t word, bool escaped)
{
    uint64_t stops = word & kHighBits;
    if (escaped) stops |= BytesEqual(word, '&') | BytesEqual(word, '<') | BytesEqual(word, '>') | BytesEqual(word, '"');
    return stops;
}

// The index of the lowest byte marked in `stops`: its high bit alone, moved to the bottom of the
// byte, times a constant whose top byte then holds the index.
static size_t LowestMarked(uint64_t stops)
{
    return static_cast<size_t>((((stops & (~stops + 1)) >> 7) * 0x0001020304050607u) >> 56);
}

// The first stop at or after `at`, or the end.
static size_t PlainEnd(std::string_view s, size_t at, bool escaped)
{
    for (; at + 8 <= s.size(); at += 8)
        if (uint64_t stops = StopBytes(WordAt(s.data() + at), escaped)) return at + LowestMarked(stops);
    while (at < s.size() && !IsStop(s[at], escaped)) ++at;
    return at;
}

// The end of the run of non-ASCII characters that starts at `at`; a run takes the trail bytes of
// its double-byte characters, ASCII or not.
static size_t RunEnd(std::string_view text, size_t at)
{
    while (at < text.size() && static_cast<unsigned char>(text[at]) >= 0x80) at += CharLength932(text, at);
    return at;
}

// Bytes written a few at a time: a piece of the file, or the runs to convert. The pieces between
// escapes are a few bytes each, too short to be worth a call to the C library's copy, which
// under some systems costs more than the bytes: they are copied here, in words.
struct Output {
    std::string bytes;   // written up to `used`; the rest is room
    size_t used = 0;

    char* Room(size_t n)
    {
        if (bytes.size() - used < n) bytes.resize(std::max(2 * bytes.size(), used + n));
        return &bytes[used];
    }
    void Put(const char* from, size_t n)
    {
        char* to = Room(n);
        used += n;
        if (n >= 64) {
            std::memcpy(to, from, n);
            return;
        }
        for (; n >= 8; n -= 8, to += 8, from += 8) std::memcpy(to, from, 8);
        if (n & 4) std::memcpy(to, from, 4), to += 4, from += 4;
        if (n & 2) std::memcpy(to, from, 2), to += 2, from += 2;
        if (n & 1) *to = *from;
    }
    void Put(std::string_view text) { Put(text.data(), text.size()); }
    void Spaces(size_t n)
    {
        static constexpr char kBlanks[] = "                                                                ";
        for (; n > sizeof kBlanks - 1; n -= sizeof kBlanks - 1) Put(kBlanks, sizeof kBlanks - 1);
        Put(kBlanks, n);
    }
};

// A block of lines split, and the runs of non-ASCII characters of their texts converted to
// UTF-8 in one call: a call to the system's conversion costs far more than the bytes it
// converts, and a title has a few runs. Each run is followed by '\n', which no list line holds.
// When the block fails as a whole (a character without a form, a '\n' after all), each run is
// converted alone.
struct Block {
    std::vector<LineTexts> texts;
    Output cp932;
    std::string utf8, one;
    size_t runs = 0;
    size_t next = 0;        // the next run's UTF-8 in `utf8`
    bool together = false;
};

static void GatherRuns(Block& block, std::string_view text)
{
    for (size_t i = PlainEnd(text, 0, false); i < text.size(); i = PlainEnd(text, i, false)) {
        size_t end = RunEnd(text, i);
        block.cp932.Put(text.substr(i, end - i));
        block.cp932.Put("\n");
        ++block.runs;
        i = end;
    }
}

static size_t Count(std::string_view s, char c) { return static_cast<size_t>(std::count(s.begin(), s.end(), c)); }

static void ReadBlock(Block& block, const std::string* first, const std::string* last, const TextCodec& codec)
{
    block.texts.clear();
    block.cp932.used = 0;
    block.runs = block.next = 0;
    for (const std::string* line = first; line != last; ++line) {
        block.texts.push_back(SplitLine(*line));
        GatherRuns(block, block.texts.back().url);   // in the order the lines are written
        GatherRuns(block, block.texts.back().title);
    }
    std::string_view runs(block.cp932.bytes.data(), block.cp932.used);
    block.together = Count(runs, '\n') == block.runs && codec.toUtf8(runs, &block.utf8) &&
                     Count(block.utf8, '\n') == block.runs;
}

// `text` (code page 932) as UTF-8 with & < > " escaped. Only ASCII needs escaping; the runs
// between come converted from `block`. True when every character had a form.
static bool AppendEscaped(Output& out, std::string_view text, Block& block, const TextCodec& codec)
{
    bool exact = true;
    for (size_t i = 0; i < text.size();) {
        size_t end = PlainEnd(text, i, true);
        out.Put(text.substr(i, end - i));
        if ((i = end) == text.size()) break;
        if (NeedsEscape(text[i])) {
            out.Put(text[i] == '&' ? "&amp;" : text[i] == '<' ? "&lt;" : text[i] == '>' ? "&gt;" : "&quot;");
            ++i;
            continue;
        }
        end = RunEnd(text, i);
        std::string_view run = text.substr(i, end - i);
        i = end;
        if (block.together) {
            size_t stop = block.next;
            while (block.utf8[stop] != '\n') ++stop;
            out.Put(block.utf8.data() + block.next, stop - block.next);
            block.next = stop + 1;
            continue;
        }
        if (codec.toUtf8(run, &block.one)) {
            out.Put(block.one);
            continue;
        }
        for (size_t j = 0, width; j < run.size(); j += width) {
            width = CharLength932(run, j);
            bool known = codec.toUtf8(run.substr(j, width), &block.one);
            out.Put(known ? std::string_view(block.one) : "?");
            exact = exact && known;
        }
    }
    return exact;
}

// Lines converted and written together: few calls to the codec, and a piece of the file small
// enough that its memory is used again for the next.
static constexpr size_t kBlockLines = 1024;

bool WriteBookmarkHtml(const std::vector<std::string>& lines, const TextCodec& codec, size_t* replaced,
                       const std::function<bool(std::string_view piece)>& write)
{
    Output out;
    out.Put("<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
            "<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n<DL><p>\r\n");
    *replaced = 0;
    std::vector<unsigned char> open;   // depth characters of the folders being written
    auto indent = [&out, &open](size_t extra) { out.Spaces(4 * (open.size() + extra)); };
    auto flush = [&out, &write] {
        bool written = write(std::string_view(out.bytes.data(), out.used));
        out.used = 0;
        return written;
    };
    Block block;
    for (size_t first = 0; first < lines.size(); first += kBlockLines) {
        size_t count = std::min(kBlockLines, lines.size() - first);
        ReadBlock(block, &lines[first], &lines[first] + count, codec);
        for (size_t i = 0; i < count; ++i) {
            const std::string& line = lines[first + i];
            if (line.empty()) continue;
            unsigned char depth = DepthCharOf(line);
            for (; !open.empty() && open.back() >= depth; open.pop_back()) {
                indent(0);
                out.Put("</DL><p>\r\n");
            }
            indent(1);
            bool folder = IsFolderLine(line);
            bool exact = true;
            if (folder) {
                out.Put("<DT><H3>");
            } else {
                out.Put("<DT><A HREF=\"");
                exact = AppendEscaped(out, block.texts[i].url, block, codec);
                out.Put("\">");
            }
            exact = AppendEscaped(out, block.texts[i].title, block, codec) && exact;
            out.Put(folder ? "</H3>\r\n" : "</A>\r\n");
            if (!exact) ++*replaced;
            if (!folder) continue;
            indent(1);
            out.Put("<DL><p>\r\n");
            open.push_back(depth);
        }
        if (!flush()) return false;
    }
    for (; !open.empty(); open.pop_back()) {
        indent(0);
        out.Put("</DL><p>\r\n");
    }
    out.Put("</DL><p>\r\n");
    return flush();
}

std::string WriteBookmarkHtml(const std::vector<std::string>& lines, const TextCodec& codec, size_t* replaced)
{
    std::string file;
    (void)WriteBookmarkHtml(lines, codec, replaced, [&file](std::string_view piece) {
        file.append(piece);
        return true;
    });
    return file;
}
