// Message texts about the list file, in the language of the rest of the interface.
#include "list/list_messages.h"

#include "platform/message_box.h"

void ReportListLoad(HWND owner, ListLoad outcome, const std::wstring& path)
{
    std::wstring text;
    switch (outcome) {
    case ListLoad::Loaded:
    case ListLoad::Missing:
        return;
    case ListLoad::Unreadable:
        text = L"リストファイルを読み込めませんでした。\n" + path +
               L"\n\n他のプログラムが開いているか、読み取りが許可されていません。"
               L"このファイルは上書きしません。今回追加した内容は終了時に別のファイルに保存します。";
        break;
    case ListLoad::TooManyLines:
        text = L"リストファイルが大きすぎるため読み込めませんでした (上限 65535 行)。\n" + path +
               L"\n\nこのファイルは上書きしません。今回追加した内容は終了時に別のファイルに保存します。";
        break;
    }
    ShowMessage(owner, text, MB_OK | MB_ICONWARNING);
}

void ReportListSave(HWND owner, const ListSave& save, const std::wstring& path)
{
    std::wstring text;
    if (!save.editedCopy.empty())
        text = L"リストファイルが larkit の実行中に他のプログラムで書き換えられていました。\n" + path +
               L"\n\n書き換えられた内容は次のファイルに残しました。\n" + save.editedCopy + L"\n\n";
    switch (save.result) {
    case ListSaveResult::Saved:
        if (text.empty()) return;
        text += L"リストファイルには larkit のリストを保存しました。";
        break;
    case ListSaveResult::Untouched:
    case ListSaveResult::LeftAsEdited:
        return;
    case ListSaveResult::KeptAside:
        text += L"リストファイルは読み込めなかったため上書きしませんでした。\n" + path +
               L"\n\n今回の内容は次のファイルに保存しました。\n" + save.sideFile;
        break;
    case ListSaveResult::Failed:
        text += L"リストファイルを保存できませんでした。元のファイルはそのまま残っています。\n" + path;
        if (!save.sideFile.empty())
            text += L"\n\n今回の内容は次のファイルに保存しました。\n" + save.sideFile;
        else
            text += L"\n\n今回の内容を保存できる場所がありませんでした。";
        break;
    }
    ShowMessage(owner, text, MB_OK | MB_ICONWARNING);
}

void ReportLeftTemporaries(HWND owner, const std::vector<std::wstring>& kept)
{
    if (kept.empty()) return;
    std::wstring text = L"前回、リストの保存が途中で止まりました (プログラムが強制終了されたなど)。"
                        L"リストファイルは保存前の内容のままです。\n\n保存しようとしていた内容は次のファイルに残しました。";
    for (const std::wstring& path : kept) text += L"\n" + path;
    ShowMessage(owner, text, MB_OK | MB_ICONWARNING);
}
