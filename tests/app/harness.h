// The real main window in the test process: a fresh folder and settings key for each test, the
// window started and stopped as the program does, and views of the tree and files.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "tests/support/support.h"

// One shown item, in display order.
struct ShownItem {
    int depth;
    std::wstring text;
    int image;
    int selectedImage;
    LPARAM data;
    bool operator==(const ShownItem& o) const;
};
void PrintTo(const ShownItem& item, std::ostream* out);

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:   // the row runners' hooks use these too
    // Files in the test's own folder (the program directory); Exit sends IDM_EXIT and drains the
    // queue up to WM_QUIT.
    std::wstring PathOf(const std::wstring& name) const { return folder_ + L"\\" + name; }
    void WriteFileBytes(const std::wstring& name, const std::string& bytes) const;
    std::string ReadFileBytes(const std::wstring& name) const;
    void Start();
    void Exit();
    const std::wstring& folder() const { return folder_; }

private:
    std::wstring folder_;
    std::wstring previousDir_;
};

// The settings key under HKCU, as the program stores it.
void ClearSettings();
void SetSettingDword(const wchar_t* name, DWORD value);
void SetSettingString(const wchar_t* name, const std::wstring& value);
bool ReadSettingDword(const wchar_t* name, DWORD* value);
bool ReadSettingString(const wchar_t* name, std::wstring* value);
DWORD StoredDword(const wchar_t* name);   // 0xDEADBEEF (and a test failure) when not stored

// The whole tree in display order (depth-first, as shown).
std::vector<ShownItem> ShownTree();
HTREEITEM CaretItem();
// The item reached by following titles from the top level; null when one is missing.
HTREEITEM ItemAtPath(const std::vector<std::wstring>& titles);

// UTF-8 test text to the CP932 bytes of the list file.
std::string Cp932(const char* utf8);

// The check after every command: the tree shows exactly what a rebuild from the list shows
// (shape, texts, images, item data). Rebuilds the tree, so the selection is reset.
void ExpectTreeMatchesRebuild();

// An item a rebuild makes from a list: the line it shows, its parent among the items (-1 for the
// top level) and how it looks. ItemsOfList works them out from the lines alone, in display order
// (siblings in list order, or sorted as the tree sorts them).
struct ListItem {
    size_t line;
    int parent;
    ShownItem shown;
};
std::vector<ListItem> ItemsOfList(const std::vector<std::string>& lines, bool sorted);

// ExpectTreeMatchesRebuild against ItemsOfList of the bookmark list; leaves the tree alone.
void ExpectTreeMatchesList();

// The handles of the shown items, in display order (as ShownTree lists them).
std::vector<HTREEITEM> ShownItemHandles();

// The list as text lines, and the bytes of a list file holding `lines`.
std::vector<std::string> ListLines();
std::string ListFileBytes(const std::vector<std::string>& lines);

// Makes the item at `titles` the caret item; fails the test when it does not exist.
HTREEITEM Select(const std::vector<std::wstring>& titles);
