// The main window inside the test program, where a scan can be made to run
// and every message box and shell call is watched: the close guard, Help,
// and the automatic update check.
#include "InProcessSupport.h"
#include "ProgramUnderTest.h"

#include "NimbrelControlApp.h"
#include "NimbrelControlDlg.h"
#include "ProgramFolder.h"
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

    theApp.runs.EndRun();
    SendMessageW(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.Hwnd(), nullptr);
    EXPECT_EQ(desktop.Messages().size(), 1u);
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
