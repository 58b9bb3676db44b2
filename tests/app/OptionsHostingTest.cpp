// The Options page in the main window, inside the test program: the first
// run writes the factory selection, leaving the page keeps the choices on
// its shown tab, and its shortcuts move the user between pages.
#include "InProcessSupport.h"
#include "ProgramUnderTest.h"

#include "ItemSelection.h"
#include "NimbrelControlDlg.h"
#include "TestProcess.h"
#include "TestRegistry.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace app_tests;
using namespace testing_support;
using nimbrel::NavPage;

namespace {

class OptionsInMainWindow : public ::testing::Test {
protected:
    void Open() {
        ASSERT_TRUE(window.Create(nullptr));
        ShowWindow(window.Hwnd(), SW_SHOW);
        Pump();
    }
    const nimbrel::CTreeCtrl& Tree(int tab) { return window.OptionsPage().Page(tab).Tree(); }
    // A node by its labels from the root down.
    HTREEITEM Node(const nimbrel::CTreeCtrl& tree, std::initializer_list<const wchar_t*> path) {
        HTREEITEM node = nullptr;
        for (const wchar_t* label : path) {
            node = node ? tree.GetChild(node) : tree.GetRoot();
            while (node && tree.GetItemText(node) != label) {
                node = tree.GetNextSibling(node);
            }
        }
        return node;
    }
    void PressSpaceOn(const nimbrel::CTreeCtrl& tree, HTREEITEM node) {
        app_tests::PressSpaceOn(window.Hwnd(), tree.Hwnd(), node);
    }
    void Press(int button) { SendMessageW(FindChild(window.Hwnd(), button), BM_CLICK, 0, 0); }
    bool Shown(HWND page) const { return IsWindowVisible(page) != FALSE; }

    CleanSettings settings;
    DesktopWatch desktop;
    nimbrel::CNimbrelControlDlg window{1};
};

TEST_F(OptionsInMainWindow, FirstRunWritesTheFactorySelectionOnceAndTheTreesShowIt) {
    settings.Set(L"first", L"1");
    Open();
    EXPECT_EQ(settings.Get(L"first"), L"0");
    const auto names = ValueNames(HKEY_LOCAL_MACHINE, kSettingsKey);
    const auto& items = nimbrel::SelectionItems();
    EXPECT_EQ(names.size(), items.size() + 1); // the items and "first"
    const auto zeros = std::count_if(names.begin(), names.end(), [&](const std::wstring& name) {
        return name != L"first" && settings.Get(name) == L"0";
    });
    EXPECT_EQ(zeros,
              std::count_if(items.begin(), items.end(), [](const auto& item) { return !item.onByDefault; }));
    EXPECT_EQ(settings.Get(L"Internet Explorer Favorites"), L"0");
    EXPECT_EQ(settings.Get(L"Thunderbird Drafts"), L"0");
    EXPECT_EQ(settings.Get(L"Windows Paging File"), L"1");
    EXPECT_EQ(settings.Get(L"Opera Cookies"), L"1");
    EXPECT_TRUE(window.IsDashboardShown());

    // The trees come up with the selection just written.
    const auto& browsers = Tree(1);
    ASSERT_TRUE(WaitFor([&] {
        return browsers.GetCheck(Node(browsers, {L"Internet Browsers", L"Opera", L"Cookies"}));
    }));
    EXPECT_FALSE(
        browsers.GetCheck(Node(browsers, {L"Internet Browsers", L"Internet Explorer", L"Favorites"})));
}

TEST_F(OptionsInMainWindow, WithoutTheFirstRunMarkNothingIsWritten) {
    Open();
    EXPECT_EQ(settings.Get(L"first"), L"(absent)");
    EXPECT_EQ(settings.Get(L"Windows Paging File"), L"(absent)");
}

TEST_F(OptionsInMainWindow, LeavingTheOptionsPageKeepsTheChoicesOnItsShownTab) {
    Open();
    Press(IDC_OPTIONS_BUTTON);
    const auto& windows = Tree(0);
    ASSERT_TRUE(WaitFor([&] { return windows.GetRoot() != nullptr; }));
    PressSpaceOn(windows, Node(windows, {L"Windows", L"Document History"}));
    ASSERT_TRUE(windows.GetCheck(Node(windows, {L"Windows", L"Document History"})));
    EXPECT_NE(settings.Get(L"Windows Document History"), L"1"); // not stored yet

    Press(IDC_SHRED_BUTTON);
    EXPECT_EQ(settings.Get(L"Windows Document History"), L"1");
    EXPECT_EQ(settings.Get(L"Windows Paging File"), L"0"); // the rest of the tab as shown

    // Logging off ends the program without closing its windows.
    Press(IDC_OPTIONS_BUTTON);
    PressSpaceOn(windows, Node(windows, {L"Windows", L"Temp Folder"}));
    ASSERT_TRUE(windows.GetCheck(Node(windows, {L"Windows", L"Temp Folder"})));
    SendMessageW(window.Hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(settings.Get(L"Windows Temp Folder"), L"1");
}

TEST_F(OptionsInMainWindow, StartScanAndTheResultsShortcutMoveToTheirPages) {
    settings.Set(L"tts", L"12.50"); // a scan has left results
    Open();
    Press(IDC_OPTIONS_BUTTON);
    // Nothing is selected: the scan runs no item and sends the user back.
    SendMessageW(window.OptionsPage().Item(IDC_OPT_START_SCAN), BM_CLICK, 0, 0);
    EXPECT_EQ(window.LeftFrame().CurrentPage(), NavPage::Options);
    EXPECT_TRUE(Shown(window.OptionsPage().Hwnd()));
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text,
              L"You must select atleast one item on Options page to perform the scan.");
    EXPECT_EQ(desktop.Messages()[0].caption, L"No Item Selected");
    EXPECT_EQ(settings.Get(L"ttf"), L"0");
    EXPECT_EQ(settings.Get(L"fwnd"), L"--");

    Press(IDC_OPTIONS_BUTTON);
    HWND results = window.OptionsPage().Item(IDC_OPT_VIEW_RESULTS);
    ASSERT_TRUE(Shown(results));
    SendMessageW(results, BM_CLICK, 0, 0);
    EXPECT_EQ(window.LeftFrame().CurrentPage(), NavPage::Statistics);
    EXPECT_TRUE(Shown(GetDlgItem(window.Hwnd(), IDD_RESULTS)));
}

} // namespace
