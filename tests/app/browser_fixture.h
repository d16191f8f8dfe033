// The main window with the browser side around it: a stand-in browser registered under the
// App Paths keys of all three browsers (in a folder whose name has a blank), a fake browser
// DDE server on demand, and the registered selection message.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "tests/app/harness.h"
#include "tests/app/peers.h"
#include "tree/state.h"

using Lines = std::vector<std::string>;

class BrowserTest : public AppTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the list, stores SortFlg 0 (list order) and SelectWeb, and starts the window.
    void Show(const Lines& lines, DWORD selectWeb = 1);
    // Starts the fake DDE server of `service` with extra options (see tests/peers/fake_browser.cpp).
    bool StartFakeBrowser(const wchar_t* service, const std::vector<std::wstring>& options = {});
    // The requests the fake browser received, as "topic<TAB>item".
    Lines DdeLog() const { return LogLines(PathOf(L"dde.log")); }
    void Command(WORD id) { SendMessageW(g_ui.main, WM_COMMAND, id, 0); }

    // The stand-in's record of its start: command line, then its arguments; empty when it was
    // not started within `waitMs`.
    Lines StartedBrowser(DWORD waitMs = 10000);
    // The stand-in's path in UTF-8, as it logs it.
    std::string StandInUtf8() const;

    Peer browser_;

private:
    std::wstring standIn_;
    std::vector<std::unique_ptr<AppPathsEntry>> appPaths_;
};

std::string Utf8(const std::wstring& wide);
