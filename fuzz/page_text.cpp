// The browser's window-info reply and caption cuts: fields written with escapes read back as
// they were, no field takes more than the reply holds, every cut keeps characters whole, and
// the entry a captured page makes stays one line of the list that reads back as made.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/entry_line.h"
#include "core/entry_rules.h"
#include "core/list_bytes.h"
#include "core/page_text.h"
#include "fuzz/fuzz_check.h"

// A field as a browser would send it: double-byte characters as they are, a backslash before
// every double quote, backslash and comma.
static std::string Escaped(std::string_view field)
{
    std::vector<bool> start = CharStarts(field);
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (start[i] && (c == '"' || c == '\\' || c == ',')) out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

// Whether `part` lies in `whole` starting and ending on character starts of `whole`.
static bool IsWholeCharactersOf(std::string_view part, std::string_view whole)
{
    std::vector<bool> start = CharStarts(whole);
    for (size_t at = 0; at + part.size() <= whole.size(); ++at)
        if (start[at] && start[at + part.size()] && whole.substr(at, part.size()) == part) return true;
    return false;
}

static void CheckReply(std::string_view reply, uint32_t kind)
{
    WindowInfo info = ParseWindowInfo(reply);
    Check(info.url.size() + info.title.size() + info.window.size() <= reply.size(),
          "the fields together hold no more than the reply");

    // A reply reaches the program up to its first NUL byte. With no browser window found, the
    // reply's title stands for the caption.
    info = ParseWindowInfo(reply.substr(0, reply.find('\0')));
    PageEntry entry = MakePageEntry(kind, info.title, info.url);
    Check(entry.title.size() <= kFieldBytes, "a captured title fits its field");
    std::string line = MakeUrlLine('1', entry.title, entry.url);
    Check(ParseListBytes(FormatListBytes({line})) == std::vector<std::string>{line},
          "a captured entry stays one line of the list file");
    // A URL whose last byte is a backslash makes a line that reads as a folder: the list's rule.
    if (!entry.url.empty() && entry.url.back() == '\\') return;
    Check(!IsFolderLine(line) && LineTitle(line) == entry.title && LineUrl(line) == entry.url,
          "a captured entry reads back as its title and URL");
}

static void CheckRoundTrip(std::vector<std::string> fields)
{
    fields.resize(3);
    for (std::string& field : fields) {
        if (EndsInHalfCharacter(field)) field.pop_back();   // no browser sends half a character
        if (field.empty()) return;                          // an empty field gives way to the next
    }
    std::string reply = "\"" + Escaped(fields[0]) + "\",\"" + Escaped(fields[1]) + "\",\"" + Escaped(fields[2]) + "\"";
    WindowInfo info = ParseWindowInfo(reply);
    Check(info.url == fields[0] && info.title == fields[1] && info.window == fields[2],
          "escaped fields read back as they were");
}

static void CheckCuts(FuzzedDataProvider& in)
{
    uint32_t kind = in.ConsumeIntegralInRange<uint32_t>(0, 4);
    size_t maxBytes = in.ConsumeIntegralInRange<size_t>(0, 300);
    std::string caption = in.ConsumeRemainingBytesAsString();

    std::string title = CutPageTitle(kind, caption);
    Check(IsWholeCharactersOf(title, caption), "the title is whole characters of the caption");
    if (kind != 3) Check(caption.compare(0, title.size(), title) == 0, "the title heads the caption");

    std::string_view head = HeadOnCharBoundary(caption, maxBytes);
    std::vector<bool> start = CharStarts(caption);
    Check(head.data() == caption.data() && head.size() <= maxBytes, "the head is a prefix within the limit");
    Check(start[head.size()] && !EndsInHalfCharacter(head), "the head is whole characters");
    if (head.size() < caption.size()) {
        size_t next = head.size() + 1;
        while (next < caption.size() && !start[next]) ++next;
        Check(next > maxBytes || EndsInHalfCharacter(caption.substr(0, next)), "the head takes every character that fits");
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckReply(bytes, size > 0 ? data[size - 1] % 5 : 0);
    CheckRoundTrip(SplitAtNewlines(bytes));
    FuzzedDataProvider in(data, size);
    CheckCuts(in);
    return 0;
}
