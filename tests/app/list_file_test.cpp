// The list file on disk: loads, saves that never delete before writing, and files that
// cannot be read or replaced.
#include "core/lines.h"
#include "list/list_file.h"
#include "platform/file.h"
#include "tests/app/harness.h"

namespace {

class ListFileTest : public AppTest {
protected:
    std::wstring List() const { return PathOf(L"list.dat"); }

    // A handle that holds the file open without sharing, as another program might.
    HANDLE Lock(const std::wstring& name) const
    {
        return CreateFileW(PathOf(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    std::vector<std::wstring> SideFiles() const
    {
        std::vector<std::wstring> side;
        for (const std::wstring& name : FilesInFolder())
            if (name.find(L"_unsaved_") != std::wstring::npos) side.push_back(name);
        return side;
    }
};

TEST_F(ListFileTest, RichFileRoundTripsByteForByte)
{
    std::string bytes = Cp932("0表計算\\\r\n1ソフト,http://s/a,b,c\r\n\r\n1Folder, comma\\\r\n2x,http://x\r\n:deep\\\r\n") +
                        "0" + std::string(3000, 'L') + ",http://long\r\n";
    WriteFileBytes(L"list.dat", bytes);
    ASSERT_EQ(LoadListFile(List()), ListLoad::Loaded);
    EXPECT_EQ(g_bookmarks.lines.size(), 7u);
    ASSERT_EQ(SaveListFile(List()).result, ListSaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), bytes);
    EXPECT_TRUE(SideFiles().empty());
    EXPECT_EQ(FilesInFolder().size(), 1u) << "no temporary file is left behind";
}

TEST_F(ListFileTest, LooseLineEndsAreWrittenBackAsCrLf)
{
    WriteFileBytes(L"list.dat", std::string("0a\\\n1b,u\r\r\0" "1c,v", 15));
    ASSERT_EQ(LoadListFile(List()), ListLoad::Loaded);
    ASSERT_EQ(SaveListFile(List()).result, ListSaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), "0a\\\r\n1b,u\r\n\r\n1c,v\r\n");
}

TEST_F(ListFileTest, MissingFileIsAnEmptyListAndSavesAsZeroBytes)
{
    EXPECT_EQ(LoadListFile(List()), ListLoad::Missing);
    EXPECT_TRUE(g_bookmarks.lines.empty());
    ASSERT_EQ(SaveListFile(List()).result, ListSaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), "");
}

TEST_F(ListFileTest, LockedFileIsNeverOverwrittenAndEditsGoAside)
{
    WriteFileBytes(L"list.dat", "0keep\\\r\n");
    HANDLE lock = Lock(L"list.dat");
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(LoadListFile(List()), ListLoad::Unreadable);
    CloseHandle(lock);
    EXPECT_TRUE(g_bookmarks.lines.empty());

    EXPECT_EQ(SaveListFile(List()).result, ListSaveResult::Untouched);   // nothing added: nothing to keep
    AddLine(g_bookmarks, "0new\\");
    ListSave save = SaveListFile(List());
    EXPECT_EQ(save.result, ListSaveResult::KeptAside);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), "0keep\\\r\n");
    ASSERT_EQ(SideFiles().size(), 1u);
    EXPECT_EQ(PathOf(SideFiles()[0]), save.sideFile);
    EXPECT_EQ(ReadFileBytes(SideFiles()[0]), "0new\\\r\n");

    // Once the file reads again, saving goes back to it.
    ASSERT_EQ(LoadListFile(List()), ListLoad::Loaded);
    EXPECT_EQ(SaveListFile(List()).result, ListSaveResult::Saved);
}

TEST_F(ListFileTest, MoreLinesThanTheListHoldsIsRefusedAndKept)
{
    std::string bytes;
    for (size_t i = 0; i < kMaxLines + 1; ++i) bytes += "0b\\\r\n";
    WriteFileBytes(L"list.dat", bytes);
    EXPECT_EQ(LoadListFile(List()), ListLoad::TooManyLines);
    EXPECT_TRUE(g_bookmarks.lines.empty());
    AddLine(g_bookmarks, "0n\\");
    EXPECT_EQ(SaveListFile(List()).result, ListSaveResult::KeptAside);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), bytes);
}

TEST_F(ListFileTest, ExactlyTheBoundLoads)
{
    std::string bytes;
    for (size_t i = 0; i < kMaxLines; ++i) bytes += "0b\\\r\n";
    WriteFileBytes(L"list.dat", bytes);
    EXPECT_EQ(LoadListFile(List()), ListLoad::Loaded);
    EXPECT_EQ(EntryCount(g_bookmarks), 65535u);
}

TEST_F(ListFileTest, FailedReplaceKeepsTheOldFileAndTheNewListAside)
{
    // A folder where the list file should be: the replace cannot succeed.
    ASSERT_TRUE(CreateDirectoryW(PathOf(L"list.dat").c_str(), nullptr));
    AddLine(g_bookmarks, "0kept\\");
    ListSave save = SaveListFile(List());
    EXPECT_EQ(save.result, ListSaveResult::Failed);
    ASSERT_FALSE(save.sideFile.empty());
    EXPECT_EQ(ReadFileBytes(FileNameOf(save.sideFile)), "0kept\\\r\n");
    EXPECT_EQ(FilesInFolder().size(), 2u) << "only the folder and the side copy";
}

TEST_F(ListFileTest, ReadOnlyListFileEitherTakesTheSaveOrKeepsBoth)
{
    WriteFileBytes(L"list.dat", "0old\\\r\n");
    SetFileAttributesW(List().c_str(), FILE_ATTRIBUTE_READONLY);
    AddLine(g_bookmarks, "0new\\");
    ListSave save = SaveListFile(List());
    SetFileAttributesW(List().c_str(), FILE_ATTRIBUTE_NORMAL);
    if (save.result == ListSaveResult::Saved) {
        EXPECT_EQ(ReadFileBytes(L"list.dat"), "0new\\\r\n");
    } else {
        EXPECT_EQ(ReadFileBytes(L"list.dat"), "0old\\\r\n");
        EXPECT_EQ(ReadFileBytes(FileNameOf(save.sideFile)), "0new\\\r\n");
    }
}

}  // namespace
