// The real main window in the test process, a fresh folder and settings key per test, and views.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "tests/support/support.h"

using Lines = std::vector<std::string>;

struct ShownItem {   // one shown item, in display order
    int depth;
    std::wstring text;
    int image, selectedImage;
    LPARAM data;
    bool operator==(const ShownItem&) const = default;
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:   // the row runners' hooks use these too; the files are the test folder's (the program's)
    std::wstring PathOf(const std::wstring& name) const { return folder_ + L"\\" + name; }
    void WriteFileBytes(const std::wstring& name, const std::string& bytes) const;
    std::string ReadFileBytes(const std::wstring& name) const { return ReadBytes(PathOf(name)).value_or("<missing>"); }
    void Start() { ASSERT_NE(StartMainWindow(), nullptr); }
    void Exit() { ExitMainWindow(); }   // IDM_EXIT, then the queue drained up to WM_QUIT
    const std::wstring& folder() const { return folder_; }

private:
    std::wstring folder_;
};

// The settings key under HKCU, as the program stores it.
void ClearSettings();
void SetSettingDword(const wchar_t* name, DWORD value);
void SetSettingString(const wchar_t* name, const std::wstring& value);
bool ReadSettingString(const wchar_t* name, std::wstring* value);
DWORD StoredDword(const wchar_t* name);   // 0xDEADBEEF (and a test failure) when not stored

// The tree depth-first as shown; the item at a path of titles (null when missing), or made the caret.
std::vector<ShownItem> ShownTree();
std::vector<HTREEITEM> ShownItemHandles();
HTREEITEM CaretItem();
HTREEITEM ItemAtPath(const std::vector<std::wstring>& titles);
HTREEITEM Select(const std::vector<std::wstring>& titles);

std::string Cp932(const char* utf8);   // UTF-8 test text to the list file's CP932 bytes

void ExpectTreeMatchesRebuild();   // the tree shows what a rebuild shows (which resets the selection)
// An item a rebuild makes from the lines alone: its line, parent among the items (-1: top) and looks.
struct ListItem {
    size_t line;
    int parent;
    ShownItem shown;
};
std::vector<ListItem> ItemsOfList(const std::vector<std::string>& lines, bool sorted);
void ExpectTreeMatchesList();   // the tree against ItemsOfList of the bookmark list

// A key through the message loop's key table in the active main window (held: kCtrl, kShift added); false: none.
constexpr UINT kCtrl = 0x10000, kShift = 0x20000;
bool PressKey(UINT key);

// The main window's rectangle on the 1024 x 768 test desktop.
constexpr LONG kScreenWidth = 1024, kScreenHeight = 768;
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
RECT MainWindowRect();
