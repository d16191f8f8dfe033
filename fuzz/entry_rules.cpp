// The entry rules on any typed text: what they accept fits its field, holds no separator the
// list cannot keep, and makes a line that stays one line of the list file and reads back as
// the title and URL accepted (no URL ends in 0x5C); an empty title takes the URL made storable.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/entry_line.h"
#include "core/entry_rules.h"
#include "core/list_bytes.h"
#include "fuzz/fuzz_check.h"

namespace {

bool HasCharacter(std::string_view text, char ch)
{
    std::vector<bool> start = CharStarts(text);
    for (size_t i = 0; i < text.size(); ++i)
        if (start[i] && text[i] == ch) return true;
    return false;
}

bool HasText(std::string_view text, std::string_view part)
{
    std::vector<bool> start = CharStarts(text);
    for (size_t i = 0; i + part.size() <= text.size(); ++i)
        if (start[i] && text.substr(i, part.size()) == part) return true;
    return false;
}

// Dialog fields hold whole characters.
std::string FieldFrom(FuzzedDataProvider& in, size_t most)
{
    std::string text = in.ConsumeRandomLengthString(most);
    if (EndsInHalfCharacter(text)) text.pop_back();
    return text;
}

void CheckStorable(std::string_view text)
{
    std::vector<bool> start = CharStarts(text);
    std::string expected;
    for (size_t i = 0; i < text.size(); ++i) {
        if (start[i] && text[i] == ',') expected += "\x81\x43";
        else if (start[i] && text[i] == '\\') expected += "\x81\x5f";
        else expected.push_back(text[i]);
    }
    Check(StorableTitle(text) == expected, "a storable title has its commas and backslashes made full-width");
}

void CheckFolder(const std::string& title, const std::string& original)
{
    if (CheckFolderTitle(title, original) != EntryProblem::None) return;
    Check(!title.empty(), "a folder has a title");
    if (title == original) return;
    Check(title.size() <= kTypedFieldBytes && !HasCharacter(title, '\\'), "a new folder title fits and has no backslash");
    std::string line = MakeFolderLine('3', title);
    Check(ParseListBytes(FormatListBytes({line})) == std::vector<std::string>{line},
          "a folder line stays one line of the list file");
    Check(IsFolderLine(line) && LineTitle(line) == title, "a folder line reads back as its title");
}

// Half of the double-byte characters stand for one character, the others for none.
bool SomeChars(std::string_view cp932, std::string* utf8)
{
    if (cp932[0] & 1) return false;
    *utf8 = "\xE4\xB8\x80";
    return true;
}

void CheckUrlEntry(std::string title, std::string url, const std::string& originalTitle, const std::string& originalUrl)
{
    const std::string typedTitle = title, typedUrl = url;
    EntryProblem problem = CompleteUrlEntry(title, url, originalTitle, originalUrl, SomeChars);
    bool titleFits = StorableTitle(typedUrl).size() <= kTypedFieldBytes;
    bool oneLine = typedUrl.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos;
    if (typedTitle.empty() && originalTitle.empty() && originalUrl.empty() && !typedUrl.empty() &&
        typedUrl.size() <= kTypedFieldBytes && HasText(typedUrl, "://") && titleFits && oneLine &&
        typedUrl.back() != '\\')
        Check(problem == EntryProblem::None && title == StorableTitle(typedUrl), "an empty title takes the URL");
    if (problem != EntryProblem::None) return;
    Check(!title.empty() && !url.empty(), "an accepted entry has a title and a URL");
    Check(url.back() != '\\', "an accepted URL does not end in 0x5C, which would read back as a folder");
    if (url != originalUrl) {
        // A URL left as it was is taken as it stands (no "http://", no bound); only its end may change.
        bool kept = typedUrl == originalUrl;
        std::string full = kept || HasText(typedUrl, "://") ? typedUrl : "http://" + typedUrl;
        size_t same = 0;
        while (same < url.size() && same < full.size() && url[same] == full[same]) ++same;
        Check((kept || (url.size() <= kFieldBytes && HasText(url, "://"))) &&
                  (same == url.size() || same + 2 >= full.size()),
              "a new URL fits, holds \"://\" or gets \"http://\" in front, and changes at most at its end");
    }
    if (title == originalTitle && url == originalUrl) return;
    std::string line = MakeUrlLine('3', title, url);
    Check(ParseListBytes(FormatListBytes({line})) == std::vector<std::string>{line},
          "a URL line stays one line of the list file");
    if (title == originalTitle) return;
    Check(title.size() <= kTypedFieldBytes && !HasCharacter(title, ',') && !HasCharacter(title, '\\'),
          "a new title fits and holds no separator");
    Check(!IsFolderLine(line) && LineTitle(line) == title && LineUrl(line) == url,
          "a URL line reads back as its title and URL");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    bool editing = in.ConsumeBool();
    std::string title = FieldFrom(in, 300);
    std::string url = FieldFrom(in, 300);
    std::string originalTitle = editing ? FieldFrom(in, 300) : std::string();
    std::string originalUrl = editing ? FieldFrom(in, 300) : std::string();
    if (editing && in.ConsumeBool()) title = originalTitle;
    if (editing && in.ConsumeBool()) url = originalUrl;

    CheckStorable(title);
    CheckFolder(title, originalTitle);
    CheckUrlEntry(title, url, originalTitle, originalUrl);

    unsigned refusals = in.ConsumeIntegralInRange<unsigned>(0, 20);
    unsigned asked = 0;
    std::string claimed = FirstClaimedTitle(title, [&](const std::string&) { return asked++ == refusals; });
    Check(claimed == (refusals == 0 ? title : SuffixedTitle(title, static_cast<int>(refusals) + 1)),
          "the first title claimed is title, title(2), title(3), ... in that order");
    return 0;
}
