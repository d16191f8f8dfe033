// Each imported text converted once, checked once and counted once: titles and URLs in UTF-8
// become what a list line can hold.
#include "core/import_rules.h"

#include "core/cp932.h"
#include "core/entry_line.h"
#include "core/entry_rules.h"
#include "core/utf8.h"

enum class TextKind { Title, Url };

// A byte that a list line cannot hold.
static bool BreaksLine(unsigned char c) { return c == '\r' || c == '\n' || c == '\0'; }

// `utf8` in code page 932. A character without a CP932 form (or bytes that stand for none)
// becomes "?" in a title and its bytes in %XX form in a URL; CR, LF and NUL become a blank in a
// title and %XX in a URL. True when nothing had to change.
static bool ConvertText(const TextCodec& codec, std::string_view utf8, TextKind kind, std::string* out)
{
    out->clear();
    bool exact = true;
    std::string part;
    for (size_t i = 0; i < utf8.size();) {
        // ASCII is the same bytes in both, so the codec sees only the runs between.
        size_t end = i;
        while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80 && !BreaksLine(utf8[end])) ++end;
        out->append(utf8, i, end - i);
        if ((i = end) == utf8.size()) break;
        if (BreaksLine(utf8[i])) {
            exact = false;
            if (kind == TextKind::Url) *out += PercentEncoded(utf8.substr(i, 1));
            else out->push_back(' ');
            ++i;
            continue;
        }
        while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) >= 0x80) ++end;
        std::string_view run = utf8.substr(i, end - i);
        i = end;
        if (codec.toCp932(run, &part)) {
            out->append(part);
            continue;
        }
        for (size_t j = 0; j < run.size();) {
            size_t length = Utf8CharLength(run, j);
            std::string_view one = run.substr(j, length ? length : 1);
            j += one.size();
            if (length && codec.toCp932(one, &part)) {
                out->append(part);
                continue;
            }
            exact = false;
            if (kind == TextKind::Url) *out += PercentEncoded(one);
            else out->push_back('?');
        }
    }
    return exact;
}

static bool HasRoom(ImportBuild& build)
{
    if (build.result.status != ImportStatus::Done) return false;
    if (build.result.lines.size() < build.maxLines) return true;
    build.result.status = ImportStatus::TooManyLines;
    return false;
}

// `stored` made unique among the entries of `level`; counts the title as changed when it is not
// the text the file gave.
static std::string ClaimTitle(ImportBuild& build, ImportBuild::Level& level, const std::string& stored, bool changed)
{
    std::string title = FirstClaimedTitle(stored, [&level](const std::string& t) { return level.titles.insert(t).second; });
    if (changed || title != stored) ++build.result.counts.titlesChanged;
    return title;
}

void StartImport(ImportBuild& build, char depthChar)
{
    build.open.assign(1, ImportBuild::Level{depthChar, {}, false});
}

void AddImportFolder(ImportBuild& build, std::string_view utf8Title)
{
    ImportBuild::Level& at = build.open.back();
    char inner = DeeperDepthChar(at.depthChar);
    std::string title;
    bool exact = ConvertText(build.codec, utf8Title, TextKind::Title, &title);
    bool leftOut = at.leftOut || title.size() > kMaxImportTextBytes;
    if (leftOut) {
        ++build.result.counts.leftOut;
    } else if (HasRoom(build)) {
        std::string stored = StorableFolderTitle(title);
        title = ClaimTitle(build, at, stored, !exact || stored != title);
        build.result.lines.push_back(MakeFolderLine(at.depthChar, title));
    }
    build.open.push_back({inner, {}, leftOut});
}

std::string ImportBookTitle(const TextCodec& codec, std::string_view utf8Name, ImportCounts& counts)
{
    std::string title;
    bool exact = ConvertText(codec, utf8Name, TextKind::Title, &title);
    std::string stored = StorableFolderTitle(title);
    if (!exact || stored != title) ++counts.titlesChanged;
    return stored;
}

void EndImportFolder(ImportBuild& build)
{
    if (build.open.size() > 1) build.open.pop_back();
}

void AddImportLink(ImportBuild& build, std::string_view utf8Title, std::string_view utf8Url)
{
    ImportBuild::Level& at = build.open.back();
    ImportCounts& counts = build.result.counts;
    std::string title, url;
    bool urlExact = ConvertText(build.codec, utf8Url, TextKind::Url, &url);
    bool titleExact = ConvertText(build.codec, utf8Title, TextKind::Title, &title);
    if (at.leftOut || url.empty() || url.size() > kMaxImportTextBytes || title.size() > kMaxImportTextBytes ||
        LowerAscii(std::string_view(url).substr(0, 6)) == "place:") {
        ++counts.leftOut;
        return;
    }
    bool endsInBackslash = url.back() == kFolderMark;   // storable only when changed
    if (!MakeUrlStorable(url, build.codec.toUtf8)) {
        ++counts.leftOut;
        return;
    }
    if (!HasRoom(build)) return;
    if (!urlExact || endsInBackslash) ++counts.urlsChanged;
    std::string stored = StorableTitle(title.empty() ? url : title);
    title = ClaimTitle(build, at, stored, !titleExact || (!title.empty() && stored != title));
    build.result.lines.push_back(MakeUrlLine(at.depthChar, title, url));
}
