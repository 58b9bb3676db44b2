// The Options page in a real window: its trees follow the store, a click
// spreads along a tree, leaving a tab stores it, and the buttons reach the
// main window.
#include "OptionsTestSupport.h"

#include "SettingsStore.h"
#include "TestProcess.h"
#include "TestRegistry.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>

using namespace options_tests;
using namespace testing_support;
using nimbrel::CTreeCtrl;

namespace {

class OptionsPage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&classes);
    }
    void SetUp() override {
        TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, kKey);
        nimbrel::GetInt(kProduct, L"first"); // the key exists, as after installation
        host = std::make_unique<HostWindow>();
        ASSERT_TRUE(host->Create(nullptr));
        ShowWindow(host->Hwnd(), SW_SHOW);
        SetForegroundWindow(host->Hwnd());
        ASSERT_TRUE(PumpUntil([&] {
            for (int tab = 0; tab < nimbrel::kCategoryCount; ++tab) {
                if (!host->page.Page(tab).IsLoaded()) {
                    return false;
                }
            }
            return true;
        })) << "every tree loads from the store once the page is up";
    }
    void TearDown() override {
        host.reset();
        TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, kKey);
    }

    const CTreeCtrl& Tree(int tab) { return host->page.Page(tab).Tree(); }
    bool Checked(int tab, const std::vector<std::wstring>& path) {
        const HTREEITEM node = FindNode(Tree(tab), path);
        EXPECT_NE(nullptr, node) << testing::PrintToString(path);
        return node && Tree(tab).GetCheck(node);
    }
    std::wstring Stored(const std::wstring& name) const { return ReadString(HKEY_LOCAL_MACHINE, kKey, name); }
    HWND Control(int id) const { return host->page.Item(id); }
    void Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    HWND Tabs() const { return Control(IDC_OPT_TABS); }
    // Shows the page again, as the main window's navigation does.
    void ShowPageAgain() {
        ShowWindow(host->page.Hwnd(), SW_HIDE);
        ShowWindow(host->page.Hwnd(), SW_SHOW);
        Pump();
    }

    std::unique_ptr<HostWindow> host;
};

enum Tab { kWindows, kBrowsers, kMessengers, kOffice, kMultimedia, kFileSharing, kEmail, kThirdParty };

std::wstring TabText(HWND tabs, int index) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    TabCtrl_GetItem(tabs, index, &item);
    return text;
}

} // namespace

TEST_F(OptionsPage, ShowsEightTabsWhoseTreesStartUncheckedOnAnEmptyStore) {
    const std::vector<std::wstring> tabs = {L"Windows",
                                            L"Internet Browsers",
                                            L"Instant Messaging",
                                            L"MS Office",
                                            L"Multimedia",
                                            L"File Sharing",
                                            L"Email",
                                            L"Third-Party Applications"};
    const std::vector<std::wstring> roots = {L"Windows",
                                             L"Internet Browsers",
                                             L"Instant Messaging",
                                             L"MS Office",
                                             L"MultiMedia",
                                             L"File Sharing",
                                             L"Emails",
                                             L"Third Party Applications"};
    ASSERT_EQ(8, TabCtrl_GetItemCount(Tabs()));
    size_t leaves = 0;
    for (int tab = 0; tab < 8; ++tab) {
        EXPECT_EQ(tabs[tab], TabText(Tabs(), tab));
        const CTreeCtrl& tree = Tree(tab);
        EXPECT_EQ(roots[tab], tree.GetItemText(tree.GetRoot()));
        for (HTREEITEM node : AllNodes(tree)) {
            EXPECT_FALSE(tree.GetCheck(node)) << testing::PrintToString(tree.GetItemText(node));
            leaves += tree.GetChild(node) ? 0 : 1;
        }
    }
    EXPECT_EQ(260u, leaves);
    EXPECT_EQ(23u, ChildrenOf(Tree(kWindows), Tree(kWindows).GetRoot()).size()) << "no application level";
    EXPECT_EQ(13u, ChildrenOf(Tree(kOffice), FindNode(Tree(kOffice), {L"MS Office", L"Office 2003"})).size());
    EXPECT_EQ(0, host->page.CurrentTab());
    EXPECT_TRUE(IsWindowVisible(host->page.Page(kWindows).Hwnd()));
    EXPECT_FALSE(IsWindowVisible(host->page.Page(kEmail).Hwnd()));
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, kKey).empty()) << "showing the trees stores nothing";
}

TEST_F(OptionsPage, SetDefaultStoresAndShowsTheFactorySelection) {
    Click(IDC_OPT_SET_DEFAULT);
    EXPECT_EQ(1, host->dashboardFlagsSet);
    EXPECT_EQ(260u, ValueNames(HKEY_LOCAL_MACHINE, kKey).size());

    EXPECT_TRUE(Checked(kBrowsers, {L"Internet Browsers", L"Internet Explorer", L"Start Page"}));
    EXPECT_TRUE(Checked(kBrowsers, {L"Internet Browsers", L"Opera", L"Saved Passwords"}));
    EXPECT_FALSE(Checked(kBrowsers, {L"Internet Browsers", L"Internet Explorer", L"Saved Passwords"}));
    EXPECT_FALSE(Checked(kBrowsers, {L"Internet Browsers", L"Internet Explorer", L"Favorites"}));
    EXPECT_TRUE(Checked(kBrowsers, {L"Internet Browsers", L"AOL Browser"})) << "its cache folder is on";
    EXPECT_FALSE(Checked(kBrowsers, {L"Internet Browsers", L"AOL Browser", L"History"}));
    const CTreeCtrl& messengers = Tree(kMessengers);
    const auto icq = ChildrenOf(messengers, FindNode(messengers, {L"Instant Messaging", L"ICQ 2003 b"}));
    ASSERT_EQ(7u, icq.size());
    EXPECT_EQ(L"Cache And Cookies", messengers.GetItemText(icq[0]));
    EXPECT_TRUE(messengers.GetCheck(icq[0]));
    for (size_t i = 1; i < icq.size(); ++i) {
        EXPECT_FALSE(messengers.GetCheck(icq[i])) << testing::PrintToString(messengers.GetItemText(icq[i]));
    }
    EXPECT_TRUE(Checked(kWindows, {L"Windows"}));
    EXPECT_TRUE(Checked(kWindows, {L"Windows", L"Flush Recycle Bin"}));
}

TEST_F(OptionsPage, UncheckAllStoresAndShowsNothingSelected) {
    Click(IDC_OPT_SET_DEFAULT);
    Click(IDC_OPT_UNCHECK_ALL);
    const auto names = ValueNames(HKEY_LOCAL_MACHINE, kKey);
    EXPECT_EQ(260u, names.size());
    EXPECT_TRUE(
        std::all_of(names.begin(), names.end(), [&](const auto& name) { return Stored(name) == L"0"; }));
    for (int tab = 0; tab < 8; ++tab) {
        for (HTREEITEM node : AllNodes(Tree(tab))) {
            EXPECT_FALSE(Tree(tab).GetCheck(node)) << testing::PrintToString(Tree(tab).GetItemText(node));
        }
    }
    EXPECT_EQ(1, host->dashboardFlagsSet) << "only Set Default shows the dashboard again";
}

TEST_F(OptionsPage, TheTreesReloadWhenTheMainWindowAsksAndMatchNamesWithoutRegardToCase) {
    // Another window spells the value with a small b.
    TestRegistry registry;
    registry.String(HKEY_LOCAL_MACHINE, kKey, L"Windows Flush Recycle bin", L"1");
    registry.String(HKEY_LOCAL_MACHINE, kKey, L"Gaim Chat Logs", L"1");
    host->page.StartReloadTimer();
    ASSERT_TRUE(PumpUntil([&] { return Checked(kWindows, {L"Windows", L"Flush Recycle Bin"}); }));
    EXPECT_TRUE(Checked(kWindows, {L"Windows"}));
    EXPECT_FALSE(Checked(kWindows, {L"Windows", L"Temp Folder"}));
    EXPECT_TRUE(Checked(kMessengers, {L"Instant Messaging", L"Gaim"}));
    EXPECT_TRUE(Checked(kMessengers, {L"Instant Messaging"}));
    EXPECT_FALSE(Checked(kMessengers, {L"Instant Messaging", L"Google Talk"}));
}

TEST_F(OptionsPage, ClickingAnItemsBoxChecksItsApplicationAndTheRoot) {
    ClickTab(Tabs(), kBrowsers);
    ASSERT_EQ(kBrowsers, host->page.CurrentTab());
    const CTreeCtrl& tree = Tree(kBrowsers);
    const HTREEITEM opera = FindNode(tree, {L"Internet Browsers", L"Opera"});
    tree.Expand(opera);
    const HTREEITEM cookies = FindNode(tree, {L"Internet Browsers", L"Opera", L"Cookies"});
    ClickCheckBox(tree, cookies);

    ASSERT_TRUE(PumpUntil([&] { return tree.GetCheck(cookies); })) << "the click reached the box";
    EXPECT_TRUE(PumpUntil([&] { return tree.GetCheck(opera); }));
    EXPECT_TRUE(tree.GetCheck(tree.GetRoot()));
    EXPECT_FALSE(Checked(kBrowsers, {L"Internet Browsers", L"Opera", L"Cache"}));
    EXPECT_FALSE(Checked(kBrowsers, {L"Internet Browsers", L"Firefox"}));
    EXPECT_EQ(L"", Stored(L"Opera Cookies")) << "stored when the tab is left, not before";

    ClickCheckBox(tree, cookies);
    ASSERT_TRUE(PumpUntil([&] { return !tree.GetCheck(cookies); }));
    EXPECT_TRUE(tree.GetCheck(opera)) << "unchecking an item leaves its application checked";
}

TEST_F(OptionsPage, UncheckingAnApplicationWithTheSpaceBarUnchecksItsItemsOnly) {
    Click(IDC_OPT_SET_DEFAULT);
    host->page.SelectTab(kOffice);
    const CTreeCtrl& tree = Tree(kOffice);
    const HTREEITEM office2003 = FindNode(tree, {L"MS Office", L"Office 2003"});
    ASSERT_TRUE(tree.GetCheck(office2003));
    PressSpaceOn(tree, office2003);

    ASSERT_TRUE(PumpUntil([&] { return !tree.GetCheck(office2003); })) << "the key reached the box";
    const auto items = ChildrenOf(tree, office2003);
    ASSERT_EQ(13u, items.size());
    EXPECT_TRUE(PumpUntil([&] {
        return std::none_of(items.begin(), items.end(), [&](HTREEITEM item) { return tree.GetCheck(item); });
    }));
    EXPECT_TRUE(tree.GetCheck(tree.GetRoot())) << "the root keeps its check";
    EXPECT_TRUE(Checked(kOffice, {L"MS Office", L"Office XP", L"Word XP"}));
}

TEST_F(OptionsPage, LeavingATabStoresItsItemsAndOnlyItsItems) {
    host->page.SelectTab(kEmail); // from the dashboard, which stores nothing
    ASSERT_TRUE(IsWindowVisible(host->page.Page(kEmail).Hwnd()));
    const CTreeCtrl& tree = Tree(kEmail);
    ClickCheckBox(tree, tree.GetRoot());
    ASSERT_TRUE(PumpUntil([&] { return Checked(kEmail, {L"Emails", L"Pocomail", L"Drafts Folder"}); }));
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, kKey).empty());

    ClickTab(Tabs(), kWindows);
    ASSERT_EQ(kWindows, host->page.CurrentTab());
    EXPECT_FALSE(IsWindowVisible(host->page.Page(kEmail).Hwnd()));
    EXPECT_TRUE(IsWindowVisible(host->page.Page(kWindows).Hwnd()));
    const auto names = ValueNames(HKEY_LOCAL_MACHINE, kKey);
    EXPECT_EQ(29u, names.size()) << "the e-mail items, and none of the Windows tab shown now";
    EXPECT_TRUE(
        std::all_of(names.begin(), names.end(), [&](const auto& name) { return Stored(name) == L"1"; }));
    EXPECT_EQ(L"1", Stored(L"Outlook 6.x Deleted Mails"));
    EXPECT_EQ(L"1", Stored(L"IncrediMail Xe History of Email Users"));
}

TEST_F(OptionsPage, TheDashboardsWayToATabDoesNotStoreTheTabShownBefore) {
    ClickCheckBox(Tree(kWindows), FindNode(Tree(kWindows), {L"Windows", L"Paging File"}));
    ASSERT_TRUE(PumpUntil([&] { return Checked(kWindows, {L"Windows", L"Paging File"}); }));
    host->page.SelectTab(kMultimedia);
    Pump();
    EXPECT_EQ(kMultimedia, host->page.CurrentTab());
    EXPECT_EQ(kMultimedia, TabCtrl_GetCurSel(Tabs()));
    for (int tab = 0; tab < 8; ++tab) {
        EXPECT_EQ(tab == kMultimedia, IsWindowVisible(host->page.Page(tab).Hwnd()) != FALSE) << tab;
    }
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, kKey).empty());
}

TEST_F(OptionsPage, StartScanStoresTheShownTabBeforeTheMainWindowScans) {
    std::wstring pagingFileAtScan;
    host->onScanStarted = [&] { pagingFileAtScan = Stored(L"Windows Paging File"); };
    ClickCheckBox(Tree(kWindows), FindNode(Tree(kWindows), {L"Windows", L"Paging File"}));
    ASSERT_TRUE(PumpUntil([&] { return Checked(kWindows, {L"Windows", L"Paging File"}); }));
    Click(IDC_OPT_START_SCAN);
    EXPECT_EQ(1, host->scansStarted);
    EXPECT_EQ(L"1", pagingFileAtScan) << "the scan sees what the user sees";
    EXPECT_EQ(L"0", Stored(L"Windows Temp Folder"));
    EXPECT_EQ(0, host->resultsShown);
}

TEST_F(OptionsPage, TheShownTabIsKeptWhenTheProgramCloses) {
    host->page.SelectTab(kThirdParty);
    ClickCheckBox(Tree(kThirdParty), FindNode(Tree(kThirdParty), {L"Third Party Applications"}));
    ASSERT_TRUE(PumpUntil([&] {
        return Checked(kThirdParty, {L"Third Party Applications", L"AOL Desktop Search"});
    }));
    DestroyWindow(host->Hwnd());
    EXPECT_EQ(L"1", Stored(L"AOL Desktop Search Index"));
    EXPECT_EQ(16u, ValueNames(HKEY_LOCAL_MACHINE, kKey).size());
}

TEST_F(OptionsPage, TheLinkToTheLastResultsShowsOnlyOnceAScanLeftSome) {
    HWND link = Control(IDC_OPT_VIEW_RESULTS);
    EXPECT_FALSE(IsWindowVisible(link)) << "no scan yet";
    nimbrel::SetString(kProduct, L"tts", L"12.50");
    ShowPageAgain();
    EXPECT_TRUE(IsWindowVisible(link));
    Click(IDC_OPT_VIEW_RESULTS);
    EXPECT_EQ(1, host->resultsShown);
    nimbrel::SetString(kProduct, L"tts", L"");
    ShowPageAgain();
    EXPECT_FALSE(IsWindowVisible(link)) << "the results were reset";
}

TEST_F(OptionsPage, WhenErasingOffersFourChoicesAndStartsAtThreePasses) {
    HWND list = Control(IDC_OPT_WHEN_ERASING);
    ASSERT_EQ(4, SendMessageW(list, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(2, SendMessageW(list, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(3, host->page.OverwritePasses());
    SendMessageW(list, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(7, host->page.OverwritePasses());
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(0, host->page.OverwritePasses());
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, kKey).empty()) << "the choice is not stored";
}

TEST_F(OptionsPage, ControlsFitThePageWithoutOverlapping) {
    RECT page{};
    GetClientRect(host->page.Hwnd(), &page);
    EXPECT_EQ(670, page.right);
    EXPECT_EQ(440, page.bottom);
    const auto place = [&](int id) {
        RECT rect{};
        GetWindowRect(Control(id), &rect);
        MapWindowPoints(HWND_DESKTOP, host->page.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const int ids[] = {IDC_OPT_TITLE,
                       IDC_OPT_VIEW_RESULTS,
                       IDC_OPT_TABS,
                       IDC_OPT_UNCHECK_ALL,
                       IDC_OPT_SEPARATOR,
                       IDC_OPT_SET_DEFAULT,
                       IDC_OPT_WHEN_ERASING_LABEL,
                       IDC_OPT_WHEN_ERASING,
                       IDC_OPT_START_SCAN};
    for (int id : ids) {
        const RECT r = place(id);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= page.right && r.bottom <= page.bottom) << id;
        for (int other : ids) {
            RECT overlap{};
            const RECT o = place(other);
            // The drop-down list's rectangle includes its closed list.
            if (other != id && other != IDC_OPT_WHEN_ERASING && id != IDC_OPT_WHEN_ERASING) {
                EXPECT_FALSE(IntersectRect(&overlap, &r, &o)) << id << " overlaps " << other;
            }
        }
    }
    RECT tabs = place(IDC_OPT_TABS);
    RECT shown{};
    GetWindowRect(host->page.Page(kWindows).Hwnd(), &shown);
    MapWindowPoints(HWND_DESKTOP, host->page.Hwnd(), reinterpret_cast<POINT*>(&shown), 2);
    RECT inside{};
    IntersectRect(&inside, &shown, &tabs);
    EXPECT_TRUE(EqualRect(&inside, &shown)) << "the tab's page lies within the strip";
    EXPECT_GT(shown.bottom - shown.top, 250) << "the trees get the room the page has";
}

TEST_F(OptionsPage, EveryTabForPeopleToLookAt) {
    Click(IDC_OPT_SET_DEFAULT);
    nimbrel::SetString(kProduct, L"tts", L"12.50");
    ShowPageAgain();
    const wchar_t* names[8] = {L"windows",    L"browsers",    L"messengers", L"office",
                               L"multimedia", L"filesharing", L"email",      L"thirdparty"};
    for (int tab = 0; tab < 8; ++tab) {
        ClickTab(Tabs(), tab);
        ASSERT_EQ(tab, host->page.CurrentTab());
        const CTreeCtrl& tree = Tree(tab);
        if (HTREEITEM first = tree.GetChild(tree.GetRoot()); first && tree.GetChild(first)) {
            tree.Expand(first);
        }
        RedrawWindow(host->Hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        EXPECT_FALSE(SaveScreenshot(std::wstring(L"options_") + names[tab]).empty());
    }
}
