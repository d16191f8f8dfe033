// The Favorites import over made-up folders: the lines are the walk the import promises (book
// first, the top folder in listing order, every folder below it reversed), titles are unique
// among siblings, every line reads back as the entry it was made from, and the bound holds.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/entry_line.h"
#include "core/import_lines.h"
#include "core/url_file.h"
#include "fuzz/fuzz_check.h"

namespace {

using Folders = std::map<std::wstring, std::vector<FolderEntry>>;

bool IsTrail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// A name as the folder reader gives it, converted from a file name: code page 932 characters
// (a lead byte always with a trail byte), no backslash and no control byte.
std::string NameFrom(FuzzedDataProvider& in)
{
    std::string name = in.ConsumeRandomLengthString(12);
    std::vector<bool> start = CharStarts(name);
    for (size_t i = 0; i < name.size(); ++i) {
        if (!start[i]) continue;
        bool pair = !start[i + 1];
        if (pair && !IsTrail(static_cast<unsigned char>(name[i + 1]))) name[i] = name[i + 1] = '_';
        else if (!pair && (name[i] == '\\' || static_cast<unsigned char>(name[i]) < 0x20)) name[i] = '_';
    }
    if (EndsInHalfCharacter(name)) name.pop_back();
    return name;
}

std::wstring PathOf(size_t id) { return L"#" + std::to_wstring(id); }

// Folders made from the input: first a chain of nested folders (to pass the last depth
// character), then folders with random entries, each sub-folder read in its turn.
Folders MakeFolders(FuzzedDataProvider& in)
{
    Folders folders;
    size_t next = 1;
    std::vector<std::wstring> pending{PathOf(0)};
    size_t chain = in.ConsumeIntegralInRange<size_t>(0, 260);
    for (size_t k = 0; k < chain; ++k) {
        std::wstring inner = PathOf(next++);
        folders[pending.back()].push_back({"d", true, inner, ""});
        pending.back() = inner;
    }
    while (!pending.empty() && next < 400) {
        std::wstring path = pending.back();
        pending.pop_back();
        size_t count = in.ConsumeIntegralInRange<size_t>(0, 6);
        for (size_t k = 0; k < count; ++k) {
            FolderEntry entry;
            entry.folder = in.ConsumeBool();
            entry.name = NameFrom(in);
            if (entry.folder) {
                entry.path = PathOf(next++);
                pending.push_back(entry.path);
            } else {
                entry.url = ShortcutUrl(in.ConsumeRandomLengthString(24));
            }
            folders[path].push_back(std::move(entry));
        }
    }
    return folders;
}

std::vector<FolderEntry> Read(const Folders& folders, const std::wstring& path)
{
    auto found = folders.find(path);
    return found == folders.end() ? std::vector<FolderEntry>() : found->second;
}

// The lines the import should make, written the plain recursive way.
void Expect(const Folders& folders, const std::wstring& path, unsigned depth, bool reversed,
            std::vector<std::string>* lines)
{
    std::vector<FolderEntry> entries = Read(folders, path);
    if (reversed) std::reverse(entries.begin(), entries.end());
    std::set<std::string> taken;
    char depthChar = static_cast<char>(depth > 0xFF ? 0xFF : depth);
    for (const FolderEntry& entry : entries) {
        std::string base = entry.folder ? entry.name : ShortcutTitle(entry.name), title = base;
        for (int n = 2; !taken.insert(title).second; ++n) title = base + "(" + std::to_string(n) + ")";
        lines->push_back(entry.folder ? MakeFolderLine(depthChar, title) : MakeUrlLine(depthChar, title, entry.url));
        // A URL whose last byte is a backslash makes a line that reads as a folder: the list's rule.
        if (!entry.folder && !entry.url.empty() && entry.url.back() == '\\') continue;
        Check(LineTitle(lines->back()) == title && IsFolderLine(lines->back()) == entry.folder &&
                  LineUrl(lines->back()) == entry.url,
              "an imported line reads back as the entry it was made from");
        if (entry.folder) Expect(folders, entry.path, depth + 1, true, lines);
    }
}

void CheckReadsBack(const std::string& line)
{
    Check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
          "an imported line holds no CR, LF or NUL");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    size_t maxLines = in.ConsumeIntegralInRange<size_t>(0, 500);
    std::string book = NameFrom(in);
    Folders folders = MakeFolders(in);

    std::vector<std::string> expected{MakeFolderLine('0', book)};
    Expect(folders, PathOf(0), '1', false, &expected);

    std::vector<std::string> lines{"left over"};
    bool fits = BuildImportLines(book, PathOf(0), [&](const std::wstring& p) { return Read(folders, p); }, maxLines,
                                 &lines);
    Check(fits == (expected.size() <= maxLines), "the import fits exactly when its lines do");
    if (!fits) expected.resize(maxLines);
    Check(lines == expected, "the lines are the walk of the folders, titles unique among siblings");
    for (const std::string& line : lines) CheckReadsBack(line);
    return 0;
}
