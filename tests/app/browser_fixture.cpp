// The browser test fixture.
#include "tests/app/browser_fixture.h"

#include "tree/state.h"

namespace {
const wchar_t* const kAppPathsKeys[] = {L"IEXPLORE.EXE", L"Netscape.exe", L"Opera.exe"};
}

std::string Utf8(const std::wstring& wide)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
    return text;
}

void BrowserTest::SetUp()
{
    AppTest::SetUp();
    g_ui.msgSelectBrowser = RegisterWindowMessageW(L"WM_KORVEX_SELECTWEB");
    std::wstring programs = PathOf(L"Program Files x");
    CreateDirectoryW(programs.c_str(), nullptr);
    standIn_ = programs + L"\\browser.exe";
    ASSERT_TRUE(CopyFileW(BesideTests(L"stand_in_browser.exe").c_str(), standIn_.c_str(), FALSE));
    SetEnvironmentVariableW(L"LARKIT_STAND_IN_LOG", PathOf(L"started.log").c_str());
    for (const wchar_t* key : kAppPathsKeys) appPaths_.push_back(std::make_unique<AppPathsEntry>(key, standIn_));
}

void BrowserTest::TearDown()
{
    browser_.Stop();
    if (g_ui.main && IsWindow(g_ui.main)) Exit();
    appPaths_.clear();
    SetEnvironmentVariableW(L"LARKIT_STAND_IN_LOG", nullptr);
    AppTest::TearDown();
}

void BrowserTest::Show(const Lines& lines, DWORD selectWeb)
{
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    WriteFileBytes(L"list.dat", bytes);
    SetSettingDword(L"SortFlg", 0);
    SetSettingDword(L"SelectWeb", selectWeb);
    Start();
}

bool BrowserTest::StartFakeBrowser(const wchar_t* service, const std::vector<std::wstring>& options)
{
    std::vector<std::wstring> args{service, PathOf(L"dde.log")};
    args.insert(args.end(), options.begin(), options.end());
    return browser_.Start(L"fake_browser.exe", args);
}

Lines BrowserTest::StartedBrowser(DWORD waitMs)
{
    std::wstring log = PathOf(L"started.log");
    PumpUntil([&] { return GetFileAttributesW(log.c_str()) != INVALID_FILE_ATTRIBUTES; }, waitMs);
    return LogLines(log);
}

std::string BrowserTest::StandInUtf8() const
{
    return Utf8(standIn_);
}
