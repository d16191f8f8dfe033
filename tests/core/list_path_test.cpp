// Tests of the list file's path from the "datafile" setting: which values name a file of their
// own and which lie in the program directory.
#include <gtest/gtest.h>

#include "core/list_path.h"

namespace {

struct PathCase {
    const char* name;
    const wchar_t* datafile;
    const wchar_t* path;
};

class ListFilePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(ListFilePathTest, AbsoluteValuesStandAloneOthersJoinTheProgramDir)
{
    EXPECT_EQ(ListFilePathFor(L"C:\\larkit", GetParam().datafile), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Values, ListFilePathTest, ::testing::Values(
    PathCase{"BareName", L"list.dat", L"C:\\larkit\\list.dat"},
    PathCase{"SubFolder", L"sync\\my.dat", L"C:\\larkit\\sync\\my.dat"},
    PathCase{"SubFolderWithSlash", L"sync/my.dat", L"C:\\larkit\\sync\\my.dat"},
    PathCase{"Drive", L"D:\\Sync\\my.dat", L"D:\\Sync\\my.dat"},
    PathCase{"DriveWithSlash", L"d:/Sync/my.dat", L"d:\\Sync\\my.dat"},
    PathCase{"Share", L"\\\\server\\share\\my.dat", L"\\\\server\\share\\my.dat"},
    PathCase{"DriveRelative", L"D:my.dat", L"C:\\larkit\\D:my.dat"},
    PathCase{"NoDriveLetter", L"1:\\my.dat", L"C:\\larkit\\1:\\my.dat"},
    PathCase{"ServerWithoutShare", L"\\\\server", L"C:\\larkit\\\\\\server"},
    PathCase{"NoServer", L"\\\\\\share\\my.dat", L"C:\\larkit\\\\\\\\share\\my.dat"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

}  // namespace
