// The main window inside the test program, where a scan can be made to run
// and every message box and shell call is watched: the close guard, Help,
// and the automatic update check.
#include "InProcessSupport.h"
#include "ProgramUnderTest.h"

#include "CommunityItems.h"
#include "CommunityRulesFile.h"
#include "NimbrelControlApp.h"
#include "NimbrelControlDlg.h"
#include "OptCommunityDlg.h"
#include "ProgramFolder.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <atomic>

using namespace app_tests;
using namespace testing_support;
using nimbrel::theApp;

namespace {

struct RecordingUpdater {
    static inline std::atomic<int> calls{0};
    static inline std::wstring address;
    static void Check(const wchar_t* url, nimbrel::UpdateDecideCallBack,
                      nimbrel::UpdateStatusCallBack status) {
        address = url;
        status(11, nullptr);
        ++calls;
    }
};

// Hands over a rules file of one entry that applies everywhere (it names
// no program to look for), as the community's address would.
// Meanwhile it looks at the window it was asked from.
struct RulesDownload {
    static inline std::wstring address;
    static inline HWND window = nullptr;
    static inline DWORD windowThread = 0;
    static inline bool answered = false, tookInput = true;
    static int Fetch(const wchar_t* url, const wchar_t* path) {
        address = url;
        DWORD_PTR unused = 0;
        answered = GetCurrentThreadId() != windowThread &&
                   SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &unused) != 0;
        tookInput = IsWindowEnabled(window) != FALSE;
        MakeFileWithContent(path, "[Nimbrel Test Everywhere *]\r\nLangSecRef=3024\r\n"
                                  "FileKey1=%AppData%\\NimbrelTestEverywhere|*.tmp\r\n");
        return 1;
    }
};

class MainWindow : public ::testing::Test {
protected:
    void Open() {
        ASSERT_TRUE(window.Create(nullptr));
        ShowWindow(window.Hwnd(), SW_SHOW);
        Pump();
    }
    void TearDown() override {
        theApp.updateCheck.Wait(5000);
        theApp.updateCheck.SetCheckFunction(nullptr);
    }

    CleanSettings settings;
    DesktopWatch desktop;
    nimbrel::CNimbrelControlDlg window{1}; // a splash of a millisecond
};

TEST_F(MainWindow, ClosingIsRefusedWhileAScanRunsAndAllowedAfterIt) {
    Open();
    ASSERT_TRUE(theApp.runs.BeginRun());
    SendMessageW(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window.Hwnd()));
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text,
              L"Scan progress in running, if you want to close,\n click on stop scan button");
    EXPECT_EQ(desktop.Messages()[0].caption, L"Nimbrel");
    EXPECT_EQ(desktop.Messages()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    // Nor do the rules change under the run.
    SendMessageW(window.Hwnd(), WM_SYSCOMMAND, IDM_UPDATE_RULES, 0);
    ASSERT_EQ(desktop.Messages().size(), 2u);
    EXPECT_EQ(desktop.Messages()[1].text,
              L"The community rules can be updated once the scan or cleaning has ended.");

    theApp.runs.EndRun();
    SendMessageW(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.Hwnd(), nullptr);
    EXPECT_EQ(desktop.Messages().size(), 2u);
}

TEST_F(MainWindow, TheSystemMenuUpdatesTheCommunityRulesAndTheTabShowsThem) {
    const std::wstring userRules = nimbrel::UserRulesFile();
    DeleteFileW(userRules.c_str());
    nimbrel::CommunityItems().Reload();
    nimbrel::CommunityItems().SetDownloadFunction(&RulesDownload::Fetch);
    Open();
    SendMessageW(FindChild(window.Hwnd(), IDC_OPTIONS_BUTTON), BM_CLICK, 0, 0);
    window.OptionsPage().SelectTab(static_cast<int>(nimbrel::ItemCategory::Community));
    nimbrel::COptCommunityDlg& tab = window.OptionsPage().CommunityPage();
    ASSERT_TRUE(WaitFor([&] { return tab.IsLoaded(); }));
    const nimbrel::CTreeCtrl& tree = tab.Tree();
    EXPECT_EQ(tree.Count(), 1u) << "no rules file yet: the root alone";

    RulesDownload::window = window.Hwnd();
    RulesDownload::windowThread = GetCurrentThreadId();
    SendMessageW(window.Hwnd(), WM_SYSCOMMAND, IDM_UPDATE_RULES, 0);
    EXPECT_EQ(RulesDownload::address, nimbrel::RulesAddress(nimbrel::kProductTitle));
    EXPECT_TRUE(RulesDownload::answered) << "the window kept answering during the download";
    EXPECT_FALSE(RulesDownload::tookInput);
    EXPECT_TRUE(IsWindowEnabled(window.Hwnd()));
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text, L"The community rules were updated: 1 entries read, 0 skipped.");
    const HTREEITEM group = tree.GetChild(tree.GetRoot());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(tree.GetItemText(group), L"Utilities");
    EXPECT_EQ(tree.GetItemText(tree.GetChild(group)), L"Nimbrel Test Everywhere");
    EXPECT_FALSE(tree.GetCheck(tree.GetChild(group))) << "off until the user ticks it";

    nimbrel::CommunityItems().SetDownloadFunction(nullptr);
    DeleteFileW(userRules.c_str());
    nimbrel::CommunityItems().Reload();
}

TEST_F(MainWindow, HelpButtonAndF1OpenTheHelpFileOfTheProgramFolder) {
    Open();
    const std::wstring helpFile = nimbrel::ProgramFolder() + L"\\Nimbrel Help.chm";
    SendMessageW(GetDlgItem(window.Hwnd(), IDC_HELP_BUTTON), BM_CLICK, 0, 0);
    ASSERT_EQ(desktop.ShellCalls().size(), 1u);
    EXPECT_EQ(desktop.ShellCalls()[0].verb, L"open");
    EXPECT_EQ(desktop.ShellCalls()[0].file, helpFile);

    // F1 typed while the navigation button has the focus.
    SetForegroundWindow(window.Hwnd());
    SetFocus(window.LeftFrame().Button(nimbrel::NavPage::Scan));
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    EXPECT_TRUE(WaitFor([&] { return desktop.ShellCalls().size() == 2; }));
    if (desktop.ShellCalls().size() == 2) {
        EXPECT_EQ(desktop.ShellCalls()[1].file, helpFile);
    }
}

TEST_F(MainWindow, ChecksForUpdatesAtTheConfiguredServerWhenAutoupdateIsSet) {
    RecordingUpdater::calls = 0;
    theApp.updateCheck.SetCheckFunction(&RecordingUpdater::Check);
    settings.Set(L"autoupdate", L"1");
    settings.Set(L"updateserver", L" http://127.0.0.1:8080/qa/ ");
    Open();
    ASSERT_TRUE(WaitFor([] { return RecordingUpdater::calls == 1; }));
    EXPECT_EQ(RecordingUpdater::address, L"http://127.0.0.1:8080/qa/updates/updates.asp");
    // Once per run only.
    theApp.updateCheck.Wait(5000);
    WaitFor([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(RecordingUpdater::calls, 1);
}

TEST_F(MainWindow, NoUpdateCheckWithoutAutoupdate) {
    RecordingUpdater::calls = 0;
    theApp.updateCheck.SetCheckFunction(&RecordingUpdater::Check);
    settings.Set(L"autoupdate", L"0");
    Open();
    WaitFor([] { return false; }, std::chrono::milliseconds(400));
    EXPECT_EQ(RecordingUpdater::calls, 0);
}

} // namespace
