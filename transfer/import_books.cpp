// The last steps of every import of another program's bookmark file.
#include "transfer/import_books.h"

#include <algorithm>

#include "core/lines.h"
#include "edit/entry_commands.h"
#include "edit/unique_title.h"
#include "list/list_file.h"
#include "list/list_messages.h"
#include "platform/file.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

// Browsers' files of tens of thousands of bookmarks with icons take tens of megabytes; beyond
// this no file holds what fits in the list.
static constexpr size_t kMaxBookmarkFileBytes = 512u << 20;

bool ReadBookmarkFile(const std::wstring& path, std::string* bytes)
{
    return ReadWholeFile(path, kMaxBookmarkFileBytes, bytes, FILE_SHARE_READ | FILE_SHARE_WRITE) == ReadResult::Read;
}

size_t RoomForImport()
{
    return kMaxLines - std::min(kMaxLines, LineCount(g_bookmarks));
}

std::string UniqueBookTitle(std::string title)
{
    std::string unique = title;
    return MakeUniqueTitle(nullptr, unique) ? unique : title;
}

std::wstring ImportCountsText(const ImportCounts& counts)
{
    std::wstring text;
    if (counts.titlesChanged > 0) text += FormatText(IDS_IMPORT_TITLES_CHANGED, {std::to_wstring(counts.titlesChanged)});
    if (counts.urlsChanged > 0) text += FormatText(IDS_IMPORT_URLS_CHANGED, {std::to_wstring(counts.urlsChanged)});
    if (counts.leftOut > 0) text += FormatText(IDS_IMPORT_LEFT_OUT, {std::to_wstring(counts.leftOut)});
    return text;
}

void AddBooksAndSave(HWND hwnd, std::vector<std::string> lines)
{
    size_t book = LineCount(g_bookmarks);
    InsertLines(g_bookmarks, book, std::move(lines));
    ListSave save = SaveListFile(g_paths.listFile);
    SelectItem(RebuildTree(book));
    ReportListSave(hwnd, save, g_paths.listFile);
}

void AddImportedBooks(HWND hwnd, std::vector<std::string> lines, const ImportCounts& counts)
{
    AddBooksAndSave(hwnd, std::move(lines));
    std::wstring text = ImportCountsText(counts);
    if (!text.empty()) ShowMessage(hwnd, text, MB_OK | MB_ICONINFORMATION);
}

void ReportRefusedFile(HWND hwnd, const ImportResult& result, const std::wstring& path)
{
    if (result.status == ImportStatus::TooManyLines) return ReportListFull(hwnd);
    std::wstring text = result.status == ImportStatus::UnknownCharset
                            ? FormatText(IDS_BOOKMARK_FILE_CHARSET, {Widen(result.charset), path})
                            : FormatText(IDS_BOOKMARK_FILE_UNREADABLE, {path});
    ShowMessage(hwnd, text, MB_OK | MB_ICONWARNING);
}
