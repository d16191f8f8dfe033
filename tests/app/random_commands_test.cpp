// Random lists and random sequences of the editing, clipboard, find and reload commands in the
// real window, with random selections (none among them) and scripted answers to the dialogs
// and questions. After every command: the list and the clipboard are what a small model of
// the commands says, the tree shows what a rebuild of the list would show, every item and its
// line find each other, sibling titles are unique, and now and then a saved list reads back
// as the same lines. A failure names its seed and the commands that led to it; seeds of past
// failures are kept below. LARKIT_RANDOM_SEEDS=N and LARKIT_RANDOM_STEPS=M run N seeds of M
// commands; LARKIT_RANDOM_SEED=S runs seed S alone; LARKIT_RANDOM_LOG=1 prints each command.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/entry_line.h"
#include "core/entry_rules.h"
#include "core/lines.h"
#include "edit/find.h"
#include "list/list_file.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tests/app/seeded_random.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

namespace {

using Lines = std::vector<std::string>;

using Rng = SeededRandom;

// ---- Titles, URLs and lists (code page 932 bytes) ----

// Titles that collide: case variants, a numbered one, equal titles for different folders,
// double-byte characters whose trail byte is a backslash (表, ソ, 能, 予) or a letter (カ),
// and titles that differ only in marks that the sort may weigh alike (ー, 々, ヽ).
const std::vector<std::string>& CommonTitles()
{
    static const std::vector<std::string> titles = {
        "News", "news", "News(2)", "Tools", "tools", "a", "A", "Java", "java", "2024",
        Cp932("表計算"), Cp932("ソフト"), Cp932("予定表"), Cp932("能力"), Cp932("カタログ"), Cp932("ｱｲｳ"),
        Cp932("日本語のタイトル"), Cp932("表"), Cp932("ソ"), Cp932("aー"), Cp932("a々"), Cp932("aヽ"), Cp932("ー")};
    return titles;
}

std::string RandomTitle(Rng& rng, size_t most)
{
    static const std::vector<std::string> doubles = {Cp932("表"), Cp932("ソ"), Cp932("能"), Cp932("カ"),
                                                     Cp932("日"), Cp932("ー"), Cp932("＼"), Cp932("ア")};
    static const std::string ascii = "abcdefgXYZ019 -_.()&";
    std::string title;
    size_t size = 1 + rng.Below(most);
    while (title.size() < size) title += rng.Chance(40) ? rng.Pick(doubles) : std::string(1, ascii[rng.Below(ascii.size())]);
    return title;
}

// A title that a well-formed line of the kind can hold: never an ASCII backslash in a URL
// entry's title nor a comma (the first comma ends it); folders may have commas, and now and
// then a backslash, which a list file can hold.
std::string TitleFor(Rng& rng, bool folder)
{
    size_t kind = rng.Below(100);
    if (kind < 55) return rng.Pick(CommonTitles());
    if (kind < 63 && folder) return rng.Pick(CommonTitles()) + ", " + rng.Pick(CommonTitles());
    if (kind < 65 && folder) return "back\\slash";
    if (kind < 68) return RandomTitle(rng, 250);   // long: its "(n)" form may not fit
    return RandomTitle(rng, 24);
}

std::string RandomUrl(Rng& rng)
{
    static const std::vector<std::string> hosts = {"example.jp", "www.example.com", "news.example.net"};
    std::string url = (rng.Chance(85) ? "http://" : "") + rng.Pick(hosts) + "/";
    for (size_t n = rng.Below(12); n > 0; --n) url += "abcXYZ/,~_-"[rng.Below(11)];
    return url;
}

// A well-formed list: depth 0 first, never more than one level deeper than the line before
// and only below a folder, titles unique among siblings. Deep lists reach depth 9. Some lists
// are edited by hand: empty lines between books or at the end, and lines one deeper than a
// depth-9 group, change nothing the tree shows. (An empty line inside a book would leave the
// lines after it shown under an entry whose subtree they are not part of; GapLinesTest has
// those cases.)
Lines RandomList(Rng& rng, size_t count)
{
    bool deep = rng.Chance(30);
    Lines lines;
    std::vector<std::set<std::string>> siblings(11);
    int depth = 0;
    bool folder = true;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            int deepest = std::min(folder ? depth + 1 : depth, 9);
            depth = rng.Chance(deep ? 85 : 55) ? deepest : static_cast<int>(rng.Below(static_cast<size_t>(deepest) + 1));
            folder = rng.Chance(depth == 9 ? 10 : deep ? 60 : 35);
        }
        for (int below = depth + 1; below <= 10; ++below) siblings[below].clear();
        std::string title;
        do title = TitleFor(rng, folder); while (!siblings[depth].insert(title).second);
        lines.push_back(std::string(1, static_cast<char>('0' + depth)) + title + (folder ? "\\" : "," + RandomUrl(rng)));
    }
    if (rng.Chance(25)) {
        for (size_t n = 1 + rng.Below(3); n > 0; --n) {
            size_t at = 1 + rng.Below(lines.size());
            bool gap = rng.Chance(70);
            auto fits = [&](size_t i) {
                if (i == lines.size()) return gap;
                if (gap) return !lines[i].empty() && lines[i][0] == '0';
                return lines[i - 1].size() > 1 && lines[i - 1][0] == '9' && lines[i - 1].back() == '\\';
            };
            while (at < lines.size() && !fits(at)) ++at;
            if (fits(at)) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), gap ? std::string() : ":hidden\\");
        }
    }
    return lines;
}

// ---- The model: what each command does to the lines, worked out on plain vectors ----

bool IsLead(char c)
{
    auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// First single-byte `ch` at or after `from`, stepping over double-byte characters.
size_t FindChar(const std::string& s, char ch, size_t from = 0)
{
    for (size_t i = from; i < s.size(); i += IsLead(s[i]) && i + 1 < s.size() ? 2 : 1)
        if (s[i] == ch) return i;
    return std::string::npos;
}

std::string TitleOf(const std::string& line)
{
    if (!line.empty() && line.back() == '\\') return line.substr(1, line.size() - 2);
    size_t comma = FindChar(line, ',', 1);
    return line.substr(1, comma == std::string::npos ? std::string::npos : comma - 1);
}

unsigned char DepthOf(const std::string& line) { return line.empty() ? 0 : static_cast<unsigned char>(line[0]); }

size_t SubtreeEndOf(const Lines& lines, size_t i)
{
    size_t end = i + 1;
    while (end < lines.size() && DepthOf(lines[end]) > DepthOf(lines[i])) ++end;
    return end;
}

Lines Rebased(Lines run, int delta)
{
    for (std::string& line : run)
        if (!line.empty()) line[0] = static_cast<char>(static_cast<unsigned char>(line[0]) + delta);
    return run;
}

// The first of title, title(2), title(3), ... not in `taken`; nothing when that form is too long.
std::optional<std::string> UniqueAmong(const std::set<std::string>& taken, const std::string& title)
{
    std::string candidate = title;
    for (int n = 2; taken.count(candidate); ++n) candidate = title + "(" + std::to_string(n) + ")";
    if (candidate.size() > kFieldBytes) return std::nullopt;
    return candidate;
}

std::string Folded(const std::string& s)
{
    std::string out = s;
    for (size_t i = 0; i < out.size(); i += IsLead(out[i]) && i + 1 < out.size() ? 2 : 1)
        if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
    return out;
}

std::vector<std::string> CharactersOf(const std::string& s)
{
    std::vector<std::string> chars;
    for (size_t i = 0; i < s.size();) {
        size_t n = IsLead(s[i]) && i + 1 < s.size() ? 2 : 1;
        chars.push_back(s.substr(i, n));
        i += n;
    }
    return chars;
}

bool ContainsAtBoundary(const std::string& line, const std::string& text)
{
    for (size_t i = 0;; i += IsLead(line[i]) && i + 1 < line.size() ? 2 : 1) {
        if (line.compare(i, text.size(), text) == 0) return true;
        if (i >= line.size()) return false;
    }
}

struct Model {
    Lines lines, clip, file;
    std::string findText;
    long findStart = 0;
    DWORD sortFlg = 1, askFlg = 1, chkFindStr = 2;

    std::vector<ListItem> Items() const { return ItemsOfList(lines, sortFlg == 1); }
};

// Titles of the children of item `parent` (-1: the top level).
std::set<std::string> ChildTitles(const Model& m, int parent)
{
    std::set<std::string> titles;
    for (const ListItem& item : m.Items())
        if (item.parent == parent) titles.insert(TitleOf(m.lines[item.line]));
    return titles;
}

// The display index of the item of `line`, or -1.
int ItemOfLine(const std::vector<ListItem>& items, size_t line)
{
    for (size_t k = 0; k < items.size(); ++k)
        if (items[k].line == line) return static_cast<int>(k);
    return -1;
}

// The lines of the level below item `parent` (-1: the top level, up to the first line that
// is no entry) and the depth character that becomes '0' in the clip.
std::pair<size_t, size_t> LevelOf(const Model& m, const std::vector<ListItem>& items, int parent, int* top)
{
    if (parent < 0) {
        size_t end = 0;
        while (end < m.lines.size() && DepthOf(m.lines[end]) >= '0') ++end;
        *top = '0';
        return {0, end};
    }
    size_t line = items[static_cast<size_t>(parent)].line;
    *top = DepthOf(m.lines[line]) + 1;
    return {line + 1, SubtreeEndOf(m.lines, line)};
}

// The lines a paste inserts: depths raised by `shift`, top entries titled uniquely among
// `taken` and each other.
Lines PasteLines(const Lines& clip, int shift, std::set<std::string> taken)
{
    Lines out;
    for (const std::string& line : clip) {
        if (DepthOf(line) != '0') {
            out.push_back(line);
            continue;
        }
        std::string rest = line.substr(1);
        size_t end = line.back() == '\\' ? rest.size() - 1 : FindChar(rest, ',');
        if (end == std::string::npos) end = rest.size();
        std::string title = rest.substr(0, end);
        std::string candidate = title;
        for (int n = 2; taken.count(candidate); ++n) candidate = title + "(" + std::to_string(n) + ")";
        taken.insert(candidate);
        out.push_back("0" + candidate + rest.substr(end));
    }
    return Rebased(out, shift);
}

// CP932 bytes as UTF-8, for the log of commands.
std::string Readable(const std::string& bytes) { return NarrowForLog(Widen(bytes)); }

// ---- Dialog answers ----

// A field's text as typed: CP932 bytes, or text that has no CP932 form.
struct Typed {
    std::string bytes;
    bool representable = true;
    std::wstring Wide() const { return representable ? Widen(bytes) : Widen(bytes) + L"\u20AC"; }
};

DialogStep CancelStep()
{
    DialogStep step;
    step.button = IDCANCEL;
    return step;
}

struct DialogPlan {
    std::vector<DialogStep> steps;
    int refusals = 0;
    bool accepted = false;
    std::string title, url;   // what the dialog hands back when accepted
};

// A title as typed; `siblings` are the titles it may collide with.
Typed TypedTitle(Rng& rng, bool folder, const std::string& original, const std::set<std::string>& siblings)
{
    if (!siblings.empty() && rng.Chance(25)) {
        auto it = siblings.begin();
        std::advance(it, static_cast<long>(rng.Below(siblings.size())));
        return {*it};
    }
    switch (rng.Below(folder ? 12 : 14)) {
    case 0: return {""};                                  // refused for a folder; a URL entry takes its URL
    case 1: return {"a\\b"};                              // refused
    case 2: return {std::string(kTypedFieldBytes + 1, 'x')};
    case 3: return {rng.Pick(CommonTitles()), false};     // no CP932 form
    case 4: return {original};
    case 5: return {RandomTitle(rng, 250)};
    case 12: return {"Mail, news"};                       // refused for a URL entry
    default: return {TitleFor(rng, folder)};
    }
}

Typed TypedUrl(Rng& rng, const std::string& original)
{
    switch (rng.Below(10)) {
    case 0: return {""};
    case 1: return {std::string(kTypedFieldBytes - 3, 'u')};   // too long once "http://" is added
    case 2: return {"http://example.jp/", false};
    case 3: return {original};
    default: return {RandomUrl(rng)};
    }
}

// Types into an entry dialog until it is accepted or cancelled; each refused try is told
// with a message and keeps the dialog open with what was typed.
DialogPlan PlanEntryDialog(Rng& rng, bool url, const std::string& originalTitle, const std::string& originalUrl,
                           const std::set<std::string>& siblings)
{
    DialogPlan plan;
    Typed title{originalTitle}, address{originalUrl};
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt == 2 || rng.Chance(8)) {
            plan.steps.push_back(CancelStep());
            return plan;
        }
        DialogStep step;
        if (attempt > 0 || rng.Chance(85)) {
            title = TypedTitle(rng, !url, originalTitle, siblings);
            step.title = title.Wide();
        }
        if (url && (originalUrl.empty() || rng.Chance(60))) {
            address = TypedUrl(rng, originalUrl);
            step.url = address.Wide();
        }
        plan.steps.push_back(step);
        std::string t = title.bytes, u = address.bytes;
        bool refused = !title.representable || (url && !address.representable);
        if (!refused)
            refused = (url ? CompleteUrlEntry(t, u, originalTitle, originalUrl, Cp932ToUtf8)
                           : CheckFolderTitle(t, originalTitle)) != EntryProblem::None;
        if (!refused) {
            plan.accepted = true;
            plan.title = t;
            plan.url = u;
            return plan;
        }
        ++plan.refusals;
    }
    return plan;
}

// ---- Commands ----

enum class Command {
    NewBook, NewGroup, NewUrl, Edit, Delete, DeleteLevel, Copy, CopyAdd, CopyLevel, Cut, CutAdd, CutLevel,
    Paste, PasteRoot, Find, FindNext, SaveAndReload, Reload
};

struct CommandInfo {
    Command command;
    const char* name;
    WORD id;
    int weight;
};

const std::vector<CommandInfo>& Commands()
{
    static const std::vector<CommandInfo> commands = {
        {Command::NewBook, "new book", IDM_NEWBOOK, 4},        {Command::NewGroup, "new group", IDM_NEWGROUP, 6},
        {Command::NewUrl, "new URL", IDM_NEWURL, 8},           {Command::Edit, "edit", IDM_EDIT, 10},
        {Command::Delete, "delete", IDM_DELETE, 6},            {Command::DeleteLevel, "delete level", IDM_DELETELEVEL, 2},
        {Command::Copy, "copy", IDM_COPY, 6},                  {Command::CopyAdd, "add copy", IDM_COPYADD, 3},
        {Command::CopyLevel, "copy level", IDM_COPYLEVEL, 3},  {Command::Cut, "cut", IDM_CUT, 5},
        {Command::CutAdd, "add cut", IDM_CUTADD, 2},           {Command::CutLevel, "cut level", IDM_CUTLEVEL, 2},
        {Command::Paste, "paste", IDM_PASTE, 8},               {Command::PasteRoot, "paste root", IDM_PASTEROOT, 3},
        {Command::Find, "find", IDM_FIND, 6},                  {Command::FindNext, "find next", IDM_FINDNEXT, 5},
        {Command::SaveAndReload, "save and reload", IDM_RELOAD, 3}, {Command::Reload, "reload", IDM_RELOAD, 1}};
    return commands;
}

// The list stays small enough for every check after every command to stay quick.
constexpr size_t kMostLines = 100;

const CommandInfo& CommandNamed(Command command)
{
    for (const CommandInfo& c : Commands())
        if (c.command == command) return c;
    return Commands().front();
}

const CommandInfo& PickCommand(Rng& rng, const Model& m)
{
    if (m.lines.empty()) {   // little else does anything now
        size_t roll = rng.Below(10);
        return CommandNamed(roll < 5 ? Command::NewBook : roll < 8 ? Command::PasteRoot : Command::Reload);
    }
    int total = 0;
    for (const CommandInfo& c : Commands()) total += c.weight;
    for (;;) {
        int roll = static_cast<int>(rng.Below(static_cast<size_t>(total)));
        for (const CommandInfo& c : Commands()) {
            if ((roll -= c.weight) >= 0) continue;
            bool grows = c.command == Command::Paste || c.command == Command::PasteRoot || c.command == Command::NewBook;
            if (grows && m.lines.size() + m.clip.size() > kMostLines) break;   // pick again
            return c;
        }
    }
}

const wchar_t* const kDeleteQuestion = L"削除してよろしいですか？";
const wchar_t* const kEndOfSearch = L"最後まで検索しました";

// What the checks after a command expect besides the model's lines.
struct Expectation {
    size_t dialogSteps = 0;
    std::vector<std::wstring> messages;   // texts in order; empty text: any message
    std::optional<long> caretLine;        // -1: nothing selected; unset: any item
    std::optional<std::string> shownUntilRebuild;   // a new entry below depth 9, shown as this title
    std::wstring prefilledTitle, prefilledUrl;      // what an entry dialog shows first
};

// One seeded sequence; `kept` marks the seed of a past failure.
struct SeedRun {
    uint64_t seed;
    int steps;
    bool kept;
};

void PrintTo(const SeedRun& run, std::ostream* out) { *out << "seed " << run.seed << ", " << run.steps << " commands"; }

class RandomCommandsTest : public AppTest, public ::testing::WithParamInterface<SeedRun> {
protected:
    Rng rng{0};
    Model m;
    std::vector<std::string> log;

    void StartWith(uint64_t seed)
    {
        rng = Rng{seed};
        m.sortFlg = rng.Chance(60) ? 1 : 0;
        m.askFlg = rng.Chance(60) ? 1 : 0;
        m.chkFindStr = static_cast<DWORD>(rng.Below(3));
        m.lines = RandomList(rng, 8 + rng.Below(40));
        m.file = m.lines;
        SetSettingDword(L"SortFlg", m.sortFlg);
        SetSettingDword(L"AskFlg", m.askFlg);
        SetSettingDword(L"ChkFindStr", m.chkFindStr);
        WriteFileBytes(L"list.dat", ListFileBytes(m.lines));
        log.push_back("SortFlg " + std::to_string(m.sortFlg) + ", AskFlg " + std::to_string(m.askFlg) + ", ChkFindStr " +
                      std::to_string(m.chkFindStr) + ", " + std::to_string(m.lines.size()) + " lines");
        Start();
    }

    // Selects a random shown item, or nothing; the display index, or -1. The commands that
    // add below a folder mostly get one, and the level commands mostly get an item below the
    // top level (at the top they take the whole list).
    int SelectRandomItem(const std::vector<ListItem>& items, Command command)
    {
        std::vector<HTREEITEM> handles = ShownItemHandles();
        bool wantFolder = command == Command::NewGroup || command == Command::NewUrl || command == Command::Paste;
        bool wantInner = command == Command::DeleteLevel || command == Command::CutLevel || command == Command::CopyLevel;
        int pick = -1;
        if (!items.empty() && !rng.Chance(12)) {
            pick = static_cast<int>(rng.Below(items.size()));
            std::vector<int> fitting;
            for (size_t k = 0; k < items.size(); ++k)
                if ((wantFolder && items[k].shown.data == kFolderItemData) || (wantInner && items[k].parent >= 0))
                    fitting.push_back(static_cast<int>(k));
            if (!fitting.empty() && rng.Chance(85)) pick = rng.Pick(fitting);
        }
        HTREEITEM item = pick < 0 || static_cast<size_t>(pick) >= handles.size() ? nullptr : handles[static_cast<size_t>(pick)];
        SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        return item ? pick : -1;
    }

    void Step(int number)
    {
        const CommandInfo& info = PickCommand(rng, m);
        std::vector<ListItem> items = m.Items();
        int sel = SelectRandomItem(items, info.command);
        std::ostringstream what;
        what << number << ": " << info.name << " with "
             << (sel < 0 ? std::string("nothing") : "line " + std::to_string(items[static_cast<size_t>(sel)].line) + " \"" +
                                                      NarrowForLog(items[static_cast<size_t>(sel)].shown.text) + "\"")
             << " selected";
        Expectation expect;
        std::vector<DialogStep> steps;
        Apply(info.command, items, sel, &expect, &steps, what);
        log.push_back(what.str());
        if (std::getenv("LARKIT_RANDOM_LOG")) std::printf("%s\n", what.str().c_str());
        SCOPED_TRACE(what.str());

        g_shownMessages.clear();
        ScriptDialogs(steps);
        if (info.command == Command::SaveAndReload) {
            ASSERT_EQ(SaveListFile(g_paths.listFile).result, ListSaveResult::Saved);
        }
        RunCommand(info.id);
        g_queuedAnswers.clear();
        Check(expect);
    }

    // Works out what the command does to the model and how to answer it.
    void Apply(Command command, const std::vector<ListItem>& items, int sel, Expectation* expect,
               std::vector<DialogStep>* steps, std::ostringstream& what);

    void Check(const Expectation& expect);
    void CheckItemsAndLinesFindEachOther(bool everyLine);
    void CheckSavedListReadsBack();
};

void RandomCommandsTest::Apply(Command command, const std::vector<ListItem>& items, int sel, Expectation* expect,
                               std::vector<DialogStep>* steps, std::ostringstream& what)
{
    const ListItem* s = sel < 0 ? nullptr : &items[static_cast<size_t>(sel)];
    long before = s ? static_cast<long>(s->line) : -1;
    expect->caretLine = before;
    bool folder = s && s->shown.data == kFolderItemData;
    auto useDialog = [&](const DialogPlan& plan) {
        *steps = plan.steps;
        expect->dialogSteps = plan.steps.size();
        expect->messages.assign(static_cast<size_t>(plan.refusals), std::wstring());
        what << " answering " << plan.steps.size() << " time(s)"
             << (plan.accepted ? " with \"" + Readable(plan.title) + "\" \"" + Readable(plan.url) + "\"" : std::string(", cancelled"));
    };
    // A new entry's line and what the caret shows afterwards.
    auto addEntry = [&](size_t at, std::string line, const std::string& title) {
        m.lines.insert(m.lines.begin() + static_cast<std::ptrdiff_t>(at), line);
        if (DepthOf(line) > '9') expect->shownUntilRebuild = title;
        expect->caretLine = static_cast<long>(at);
    };
    auto confirmDelete = [&]() {
        if (m.askFlg != 1) return true;
        bool yes = rng.Chance(75);
        g_queuedAnswers = {yes ? IDYES : IDNO};
        expect->messages.push_back(kDeleteQuestion);
        what << (yes ? ", answered yes" : ", answered no");
        return yes;
    };
    auto clipOf = [&](size_t first, size_t end, int top) {
        return Rebased(Lines(m.lines.begin() + static_cast<std::ptrdiff_t>(first), m.lines.begin() + static_cast<std::ptrdiff_t>(end)),
                       '0' - top);
    };
    auto erase = [&](size_t first, size_t end) {
        m.lines.erase(m.lines.begin() + static_cast<std::ptrdiff_t>(first), m.lines.begin() + static_cast<std::ptrdiff_t>(end));
    };
    auto paste = [&](size_t at, int shift, int parent) {
        Lines lines = PasteLines(m.clip, shift, ChildTitles(m, parent));
        m.lines.insert(m.lines.begin() + static_cast<std::ptrdiff_t>(at), lines.begin(), lines.end());
        std::vector<ListItem> after = m.Items();
        int caret = ItemOfLine(after, at + lines.size() - 1);
        expect->caretLine = caret < 0 ? -1 : static_cast<long>(after[static_cast<size_t>(caret)].line);
    };
    auto search = [&]() {
        for (size_t i = static_cast<size_t>(std::max(m.findStart, 0L)); i < m.lines.size(); ++i) {
            std::string line = m.chkFindStr == 1 ? Folded(m.lines[i]) : m.lines[i];
            if (!ContainsAtBoundary(line, m.findText)) continue;
            if (ItemOfLine(items, i) >= 0) expect->caretLine = static_cast<long>(i);
            m.findStart = static_cast<long>(i) + 1;
            what << ", found line " << i;
            return;
        }
        expect->messages.push_back(kEndOfSearch);
    };

    switch (command) {
    case Command::NewBook: {
        DialogPlan plan = PlanEntryDialog(rng, false, "", "", ChildTitles(m, -1));
        useDialog(plan);
        if (!plan.accepted) return;
        std::optional<std::string> title = UniqueAmong(ChildTitles(m, -1), plan.title);
        if (!title) {
            expect->messages.emplace_back();
            return;
        }
        addEntry(m.lines.size(), "0" + *title + "\\", *title);
        return;
    }
    case Command::NewGroup:
    case Command::NewUrl: {
        if (!folder) return;
        bool url = command == Command::NewUrl;
        DialogPlan plan = PlanEntryDialog(rng, url, "", "", ChildTitles(m, sel));
        useDialog(plan);
        if (!plan.accepted) return;
        std::optional<std::string> title = UniqueAmong(ChildTitles(m, sel), plan.title);
        if (!title) {
            expect->messages.emplace_back();
            return;
        }
        char depth = static_cast<char>(DepthOf(m.lines[s->line]) + 1);
        addEntry(s->line + 1, depth + *title + (url ? "," + plan.url : "\\"), *title);
        return;
    }
    case Command::Edit: {
        if (!s) return;
        const std::string& line = m.lines[s->line];
        bool url = s->shown.data == kUrlItemData;
        std::string oldTitle = TitleOf(line);
        std::string oldUrl = url ? line.substr(FindChar(line, ',', 1) + 1) : "";
        expect->prefilledTitle = Widen(oldTitle);
        expect->prefilledUrl = Widen(oldUrl);
        DialogPlan plan = PlanEntryDialog(rng, url, oldTitle, oldUrl, ChildTitles(m, s->parent));
        useDialog(plan);
        if (!plan.accepted) return;
        std::optional<std::string> title = plan.title;
        if (plan.title != oldTitle) title = UniqueAmong(ChildTitles(m, s->parent), plan.title);
        if (!title) {
            expect->messages.emplace_back();
            return;
        }
        m.lines[s->line] = line.substr(0, 1) + *title + (url ? "," + plan.url : "\\");
        return;
    }
    case Command::Delete:
    case Command::DeleteLevel: {
        if (!s) return;
        int top = 0;
        std::pair<size_t, size_t> range = command == Command::Delete ? std::make_pair(s->line, SubtreeEndOf(m.lines, s->line))
                                                                     : LevelOf(m, items, s->parent, &top);
        if (range.first >= range.second || !confirmDelete()) return;   // an empty level asks nothing
        expect->caretLine.reset();
        erase(range.first, range.second);
        return;
    }
    case Command::Copy:
    case Command::CopyAdd:
    case Command::Cut:
    case Command::CutAdd: {
        if (!s) return;
        bool add = command == Command::CopyAdd || command == Command::CutAdd;
        bool cut = command == Command::Cut || command == Command::CutAdd;
        size_t end = SubtreeEndOf(m.lines, s->line);
        Lines taken = clipOf(s->line, end, DepthOf(m.lines[s->line]));
        if (!add) m.clip.clear();
        m.clip.insert(m.clip.end(), taken.begin(), taken.end());
        if (cut) {
            erase(s->line, end);
            expect->caretLine.reset();
        }
        return;
    }
    case Command::CopyLevel:
    case Command::CutLevel: {
        bool cut = command == Command::CutLevel;
        if (cut && m.lines.empty()) return;
        int top = 0;
        std::pair<size_t, size_t> level = LevelOf(m, items, s ? s->parent : -1, &top);
        if (cut && level.first >= level.second) return;
        m.clip = clipOf(level.first, level.second, top);
        if (cut) {
            erase(level.first, level.second);
            expect->caretLine.reset();
        }
        return;
    }
    case Command::Paste:
        if (!folder) return;
        paste(s->line + 1, DepthOf(m.lines[s->line]) + 1 - '0', sel);
        return;
    case Command::PasteRoot:
        paste(m.lines.size(), 0, -1);
        return;
    case Command::Find: {
        bool checked = rng.Chance(50);
        std::string text;
        switch (rng.Below(8)) {
        case 0: break;                               // the empty text is in every line
        case 1: text = "\\"; break;
        case 2: text = ","; break;
        case 3: text = Cp932("ソ"); break;
        case 4: text = "j"; break;                   // the trail byte of カ, never a match
        default: {                                   // a piece of a line, its letters sometimes raised
            std::vector<std::string> chars = CharactersOf(m.lines.empty() ? std::string("x") : rng.Pick(m.lines));
            bool raise = rng.Chance(40);
            size_t from = rng.Below(chars.size());
            for (size_t i = from; i < chars.size() && i < from + 1 + rng.Below(6); ++i)
                text += raise && chars[i].size() == 1 && chars[i][0] >= 'a' && chars[i][0] <= 'z'
                            ? std::string(1, static_cast<char>(chars[i][0] - 'a' + 'A'))
                            : chars[i];
        }
        }
        std::vector<DialogStep> typed;
        if (rng.Chance(10)) {   // a character without a CP932 form: refused, the dialog stays
            typed.push_back(DialogStep().Text(IDC_FIND_TEXT, L"\u20AC").Check(IDC_FIND_IGNORECASE, checked));
            expect->messages.emplace_back();
        }
        bool cancel = rng.Chance(10);
        typed.push_back(cancel ? CancelStep()
                               : DialogStep().Text(IDC_FIND_TEXT, Widen(text)).Check(IDC_FIND_IGNORECASE, checked));
        *steps = typed;
        expect->dialogSteps = typed.size();
        m.findStart = 0;
        what << (cancel ? ", cancelled" : ", looking for \"" + Readable(text) + "\"") << (checked ? " in any case" : "");
        if (cancel) return;
        m.chkFindStr = checked ? 1 : 0;
        m.findText = checked ? Folded(text) : text;
        search();
        return;
    }
    case Command::FindNext:
        search();
        return;
    case Command::SaveAndReload:
    case Command::Reload: {
        if (command == Command::SaveAndReload) m.file = m.lines;
        m.lines = m.file;
        std::vector<ListItem> after = m.Items();
        expect->caretLine = after.empty() ? -1 : static_cast<long>(after[0].line);
        return;
    }
    }
}

// Names the first line that differs, readably.
void ExpectSameLines(const Lines& actual, const Lines& expected, const char* what)
{
    if (actual == expected) return;
    size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
    auto at = [i](const Lines& lines) { return i < lines.size() ? "\"" + Readable(lines[i]) + "\"" : std::string("(none)"); };
    ADD_FAILURE() << what << ": " << actual.size() << " lines where the model has " << expected.size()
                  << "; line " << i << " is " << at(actual) << " where the model has " << at(expected);
}

void RandomCommandsTest::Check(const Expectation& expect)
{
    ExpectSameLines(ListLines(), m.lines, "the list");
    ExpectSameLines(g_clip.lines, m.clip, "the clipboard");
    if (HasFailure()) return;
    EXPECT_EQ(static_cast<size_t>(EntryCount(g_bookmarks)), LineCount(g_bookmarks));
    EXPECT_EQ(g_find.text, m.findText);
    EXPECT_EQ(g_find.start, m.findStart);
    EXPECT_EQ(g_unplannedDialogs, 0);
    EXPECT_EQ(g_seenDialogs.size(), expect.dialogSteps) << "dialog steps taken";
    if (!g_seenDialogs.empty()) {
        EXPECT_EQ(g_seenDialogs[0].title, expect.prefilledTitle);
        EXPECT_EQ(g_seenDialogs[0].url, expect.prefilledUrl);
    }
    ASSERT_EQ(g_shownMessages.size(), expect.messages.size()) << "messages shown";
    for (size_t i = 0; i < expect.messages.size(); ++i)
        if (!expect.messages[i].empty()) {
            EXPECT_EQ(g_shownMessages[i].text, expect.messages[i]);
        }

    if (expect.shownUntilRebuild) {
        // A new entry below depth 9 is kept in the list and shown until the next rebuild.
        EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), Widen(*expect.shownUntilRebuild));
        SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(RebuildTree(0xFFFF)));
    }
    ExpectTreeMatchesList();
    if (HasFailure()) return;
    if (expect.caretLine && !expect.shownUntilRebuild) {
        EXPECT_EQ(FindLineOfItem(CaretItem()), *expect.caretLine) << "the caret";
    }
    CheckItemsAndLinesFindEachOther(false);
}

void RandomCommandsTest::CheckItemsAndLinesFindEachOther(bool everyLine)
{
    std::vector<ListItem> items = m.Items();
    std::vector<HTREEITEM> handles = ShownItemHandles();
    ASSERT_EQ(handles.size(), items.size());
    std::set<std::pair<int, std::wstring>> siblings;
    for (size_t k = 0; k < items.size(); ++k) {
        EXPECT_EQ(FindLineOfItem(handles[k]), static_cast<long>(items[k].line)) << "item " << k;
        EXPECT_TRUE(siblings.insert({items[k].parent, items[k].shown.text}).second)
            << "two siblings titled \"" << NarrowForLog(items[k].shown.text) << "\"";
    }
    // Selecting is slow in the tree control: every line now and then, a few lines otherwise.
    HTREEITEM caret = CaretItem();
    for (size_t n = 0; n < (everyLine ? items.size() : std::min<size_t>(items.size(), 4)); ++n) {
        size_t k = everyLine ? n : rng.Below(items.size());
        EXPECT_EQ(SelectItemOfLine(static_cast<long>(items[k].line)), handles[k]) << "line " << items[k].line;
    }
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(caret));
}

void RandomCommandsTest::CheckSavedListReadsBack()
{
    ASSERT_EQ(SaveListFile(g_paths.listFile).result, ListSaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(m.lines));
    m.file = m.lines;
    ASSERT_EQ(LoadListFile(g_paths.listFile), ListLoad::Loaded);
    ExpectSameLines(ListLines(), m.lines, "the list read back");
}

// Seeds of past failures, each with the commands it took to fail: 65 and 135 renamed an entry
// to a title that the collation weighs like a sibling's ("a々" beside "aー"), and the sorted
// tree put the two in another order than a rebuild does.
const SeedRun kKeptSeeds[] = {{65, 17, true}, {135, 49, true}};

// Seeds: a handful by default or as many as asked for, and the kept ones.
std::vector<SeedRun> Seeds()
{
    const char* one = std::getenv("LARKIT_RANDOM_SEED");
    const char* seeds = std::getenv("LARKIT_RANDOM_SEEDS");
    const char* steps = std::getenv("LARKIT_RANDOM_STEPS");
    int length = steps ? std::atoi(steps) : 50;
    if (one) return {{std::strtoull(one, nullptr, 10), length, false}};
    std::vector<SeedRun> runs(std::begin(kKeptSeeds), std::end(kKeptSeeds));
    int count = seeds ? std::atoi(seeds) : 6;
    for (int i = 1; i <= count; ++i) runs.push_back({static_cast<uint64_t>(i), length, false});
    return runs;
}

TEST_P(RandomCommandsTest, EveryCommandKeepsListTreeAndClipboardInStep)
{
    uint64_t seed = GetParam().seed;
    int length = GetParam().steps;
    StartWith(seed);
    for (int number = 1; number <= length; ++number) {
        Step(number);
        if (HasFailure()) break;
        if (number % 10 == 0) {
            CheckItemsAndLinesFindEachOther(true);
            CheckSavedListReadsBack();
        }
        if (HasFailure()) break;
    }
    if (!HasFailure()) ExpectTreeMatchesRebuild();
    if (HasFailure()) {
        std::ostringstream trail;
        for (size_t i = log.size() > 12 ? log.size() - 12 : 0; i < log.size(); ++i) trail << "\n  " << log[i];
        trail << "\nthe list after the last command:";
        for (size_t i = 0; i < m.lines.size() && i < 80; ++i) trail << "\n  " << i << " " << Readable(m.lines[i]);
        ADD_FAILURE() << "seed " << seed << " failed (rerun: LARKIT_RANDOM_SEED=" << seed
                      << " LARKIT_RANDOM_STEPS=" << length << "); the last commands:" << trail.str();
    }
}

std::string SeedName(const ::testing::TestParamInfo<SeedRun>& info)
{
    return (info.param.kept ? "Kept" : "Seed") + std::to_string(info.param.seed);
}

INSTANTIATE_TEST_SUITE_P(Seeded, RandomCommandsTest, ::testing::ValuesIn(Seeds()), SeedName);

}  // namespace

namespace {

// What random sequences found, case by case: an entry or level whose lines stop at an empty line
// (a list edited by hand) while the tree shows the lines after it among the entry's items.
// Those lines stay in the list, so they must stay in the tree, where a rebuild puts them.
struct GapCase {
    WORD command;
    std::vector<std::wstring> selected;
    Lines after;
    const wchar_t* caret;   // the parent of what went
    std::vector<std::wstring> stillShown;
};

void PrintTo(const GapCase& c, std::ostream* out) { *out << "command " << c.command; }

class GapLinesTest : public AppTest, public ::testing::WithParamInterface<GapCase> {};

TEST_P(GapLinesTest, LinesAfterTheGapStayShownWhereARebuildPutsThem)
{
    const GapCase& c = GetParam();
    SetSettingDword(L"SortFlg", 0);
    SetSettingDword(L"AskFlg", 0);
    bool level = c.command == IDM_DELETELEVEL || c.command == IDM_CUTLEVEL;
    Lines before = level ? Lines{"0A\\", "1G\\", "2u,http://u", "", "2w,http://w", "0B\\"}
                         : Lines{"0A\\", "1F\\", "1G\\", "2u,http://u", "", "2w,http://w", "0B\\"};
    WriteFileBytes(L"list.dat", ListFileBytes(before));
    Start();
    Select(c.selected);
    RunCommand(c.command);
    EXPECT_EQ(ListLines(), c.after);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), c.caret);
    EXPECT_NE(ItemAtPath(c.stillShown), nullptr);
    ExpectTreeMatchesRebuild();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, GapLinesTest,
    ::testing::Values(GapCase{IDM_DELETE, {L"A", L"G"}, {"0A\\", "1F\\", "", "2w,http://w", "0B\\"}, L"A", {L"A", L"F", L"w"}},
                      GapCase{IDM_CUT, {L"A", L"G"}, {"0A\\", "1F\\", "", "2w,http://w", "0B\\"}, L"A", {L"A", L"F", L"w"}},
                      GapCase{IDM_DELETELEVEL, {L"A", L"G", L"u"}, {"0A\\", "1G\\", "", "2w,http://w", "0B\\"}, L"G",
                              {L"A", L"G", L"w"}},
                      GapCase{IDM_CUTLEVEL, {L"A", L"G", L"u"}, {"0A\\", "1G\\", "", "2w,http://w", "0B\\"}, L"G",
                              {L"A", L"G", L"w"}}));

// Titles that the collation weighs alike ("a々" and "aー" under Wine's) stand in one order in a
// sorted tree whichever way they came into it: new, renamed or rebuilt.
struct AlikeCase {
    const char* name;
    WORD command;
    std::vector<std::wstring> selected;
    const char* typed;   // UTF-8
    Lines before;
};

void PrintTo(const AlikeCase& c, std::ostream* out) { *out << c.name; }

class AlikeTitlesTest : public AppTest, public ::testing::WithParamInterface<AlikeCase> {};

TEST_P(AlikeTitlesTest, SortedTreeShowsThemAsARebuildDoes)
{
    const AlikeCase& c = GetParam();
    SetSettingDword(L"SortFlg", 1);
    WriteFileBytes(L"list.dat", ListFileBytes(c.before));
    Start();
    if (!c.selected.empty()) Select(c.selected);
    DialogStep step(WideFromUtf8(c.typed), c.command == IDM_NEWURL ? std::optional<std::wstring>(L"http://n") : std::nullopt);
    ScriptDialogs({step});
    RunCommand(c.command);
    EXPECT_EQ(ListLines().size(), c.before.size() + (c.command == IDM_EDIT ? 0 : 1));
    ExpectTreeMatchesRebuild();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AlikeTitlesTest,
    ::testing::Values(AlikeCase{"NewUrl", IDM_NEWURL, {L"A"}, "a々", {"0A\\", Cp932("1aー,http://x")}},
                      AlikeCase{"NewUrlTheOtherWay", IDM_NEWURL, {L"A"}, "aー", {"0A\\", Cp932("1a々,http://x")}},
                      AlikeCase{"Rename", IDM_EDIT, {L"A", L"x"}, "aー", {"0A\\", "1x,http://x", Cp932("1a々,http://z"), "1b,http://y"}},
                      AlikeCase{"NewBook", IDM_NEWBOOK, {}, "々", {Cp932("0ー\\"), "0z\\"}}),
    [](const ::testing::TestParamInfo<AlikeCase>& info) { return std::string(info.param.name); });

}  // namespace
