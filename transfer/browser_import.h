// The import of the bookmarks of every Chrome and Edge profile of the user: one new Book per
// profile that has a `Bookmarks` file, all added in one step.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

void OnImportBrowsers(HWND hwnd);

// A profile found: its `Bookmarks` file and the title of its Book before it is made unique
// ("Chrome" for Default, "Chrome (Profile 1)" for the others).
struct BrowserProfile {
    std::wstring file;
    std::wstring title;
};

// The profiles under the user's local application data folder, Chrome's before Edge's, each
// browser's Default first and the others by name.
std::vector<BrowserProfile> FindBrowserProfiles(const std::wstring& localAppData);
