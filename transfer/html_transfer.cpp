// The open and save dialogs around the core's reader and writer of bookmark HTML.
#include "transfer/html_transfer.h"

#include <vector>

#include "core/bookmark_html.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "platform/file.h"
#include "platform/file_dialog.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/wait_cursor.h"
#include "res/resource.h"
#include "transfer/import_books.h"
#include "tree/state.h"

static const FileKind kHtmlFile{IDS_HTML_FILE_KIND, L"*.html;*.htm", L"html"};
static constexpr wchar_t kExportName[] = L"bookmarks.html";

std::wstring BookTitleOfFile(const std::wstring& path)
{
    std::wstring name = FileNameOf(path);
    size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}

void OnImportHtml(HWND hwnd)
{
    std::wstring path;
    if (AskFileToOpen(hwnd, kHtmlFile, &path)) ImportHtmlFile(hwnd, path);
}

void ImportHtmlFile(HWND hwnd, const std::wstring& path)
{
    ImportResult result;
    {
        WaitCursor wait(hwnd);
        std::string bytes;
        // The Book's own line takes one of the lines left.
        if (!ReadBookmarkFile(path, &bytes)) result.status = ImportStatus::NotReadable;
        else if (RoomForImport() == 0) result.status = ImportStatus::TooManyLines;
        else result = ReadBookmarkHtml(bytes, SystemTextCodec(), RoomForImport() - 1);
    }
    if (result.status != ImportStatus::Done) return ReportRefusedFile(hwnd, result, path);
    std::string title = ImportBookTitle(SystemTextCodec(), Utf8Of(BookTitleOfFile(path)), result.counts);
    // The file's top level goes one level under the new Book; nesting at the deepest level stays there.
    std::vector<std::string> lines;
    lines.reserve(result.lines.size() + 1);
    lines.push_back(MakeFolderLine('0', UniqueBookTitle(title)));
    for (std::string& line : result.lines) {
        if (!line.empty()) line[0] = DeeperDepthChar(line[0]);
        lines.push_back(std::move(line));
    }
    AddImportedBooks(hwnd, std::move(lines), result.counts);
}

void OnExportHtml(HWND hwnd)
{
    std::wstring path;
    if (AskFileToSave(hwnd, kHtmlFile, kExportName, &path)) (void)ExportHtmlFile(hwnd, path);
}

bool ExportHtmlFile(HWND hwnd, const std::wstring& path)
{
    size_t replaced = 0;
    bool saved;
    {
        WaitCursor wait(hwnd);
        std::wstring keptCopy;
        saved = ReplaceFileSafelyInPieces(
            path,
            [&replaced](const PieceWriter& write) {
                return WriteBookmarkHtml(g_bookmarks.lines, SystemTextCodec(), &replaced, write);
            },
            &keptCopy);
        if (!keptCopy.empty()) DeleteFileW(LongPathForm(keptCopy).c_str());   // no list: nothing worth keeping
    }
    if (!saved) ShowMessage(hwnd, FormatText(IDS_EXPORT_FAILED, {path}), MB_OK | MB_ICONWARNING);
    else if (replaced > 0)
        ShowMessage(hwnd, FormatText(IDS_EXPORT_CHARS_REPLACED, {std::to_wstring(replaced)}), MB_OK | MB_ICONINFORMATION);
    return saved;
}
