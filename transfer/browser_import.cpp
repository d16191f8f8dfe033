// Finds the browsers' profile folders and reads each one's bookmark file into a Book.
#include "transfer/browser_import.h"

#include <shlobj.h>

#include <algorithm>

#include "core/profile_bookmarks.h"
#include "platform/file.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/wait_cursor.h"
#include "res/resource.h"
#include "transfer/import_books.h"

struct Browser {
    const wchar_t* name;     // the Book's title
    const wchar_t* folder;   // its user data below the local application data folder
};
static constexpr Browser kBrowsers[] = {
    {L"Chrome", L"Google\\Chrome\\User Data"},
    {L"Edge", L"Microsoft\\Edge\\User Data"},
};
static constexpr wchar_t kDefaultProfile[] = L"Default";

static std::wstring LocalAppDataFolder()
{
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

static bool IsFile(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Default first, then "Profile 2" before "Profile 10": shorter names first, then by code.
static bool ProfileOrder(const std::wstring& a, const std::wstring& b)
{
    bool aDefault = a == kDefaultProfile, bDefault = b == kDefaultProfile;
    if (aDefault != bDefault) return aDefault;
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

std::vector<BrowserProfile> FindBrowserProfiles(const std::wstring& localAppData)
{
    std::vector<BrowserProfile> profiles;
    for (const Browser& browser : kBrowsers) {
        std::wstring userData = localAppData + L"\\" + browser.folder;
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW(LongPathForm(userData + L"\\*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            std::wstring name = found.cFileName;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L".." &&
                IsFile(userData + L"\\" + name + L"\\Bookmarks"))
                names.push_back(name);
        } while (FindNextFileW(find, &found));
        FindClose(find);
        std::sort(names.begin(), names.end(), ProfileOrder);
        for (const std::wstring& name : names)
            profiles.push_back({userData + L"\\" + name + L"\\Bookmarks",
                                name == kDefaultProfile ? browser.name : std::wstring(browser.name) + L" (" + name + L")"});
    }
    return profiles;
}

void OnImportBrowsers(HWND hwnd)
{
    std::wstring localAppData = LocalAppDataFolder();
    std::vector<BrowserProfile> profiles = localAppData.empty() ? std::vector<BrowserProfile>()
                                                                : FindBrowserProfiles(localAppData);
    if (profiles.empty()) {
        ShowMessage(hwnd,
                    FormatText(IDS_NO_BROWSER_PROFILE, {localAppData + L"\\" + kBrowsers[0].folder,
                                                        localAppData + L"\\" + kBrowsers[1].folder}),
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    // Every Book is read before the list changes, so that the bound holds for them all together.
    std::vector<std::string> lines;
    ImportCounts counts;
    ImportResult refused;
    const BrowserProfile* refusedProfile = nullptr;
    {
        WaitCursor wait(hwnd);
        for (const BrowserProfile& profile : profiles) {
            std::string bytes;
            if (!ReadBookmarkFile(profile.file, &bytes)) {
                refused.status = ImportStatus::NotReadable, refusedProfile = &profile;
                break;
            }
            // Profile titles differ among themselves ("Chrome" and "Chrome (...)" stay apart
            // whatever number is added), so being unique among the Books is enough.
            std::string title = ImportBookTitle(SystemTextCodec(), Utf8Of(profile.title), counts);
            ImportResult book = ReadProfileBookmarks(bytes, UniqueBookTitle(title), SystemTextCodec(),
                                                     RoomForImport() - std::min(RoomForImport(), lines.size()));
            if (book.status != ImportStatus::Done) {
                refused = std::move(book), refusedProfile = &profile;
                break;
            }
            lines.insert(lines.end(), std::make_move_iterator(book.lines.begin()), std::make_move_iterator(book.lines.end()));
            counts.titlesChanged += book.counts.titlesChanged;
            counts.urlsChanged += book.counts.urlsChanged;
            counts.leftOut += book.counts.leftOut;
        }
    }
    if (refusedProfile) return ReportRefusedFile(hwnd, refused, refusedProfile->file);
    AddImportedBooks(hwnd, std::move(lines), counts);
}
