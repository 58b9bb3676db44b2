// The Options page in a real window: its trees follow the store, a click
// spreads along a tree, leaving a tab stores it, and the buttons reach the
// main window; the browsers' tab keeps its databases' options and the list
// of sites whose cookies stay.
#include "CookiesToKeepDlg.h"
#include "DatabaseSettings.h"
#include "ItemSelection.h"
#include "OptionsTestSupport.h"

#include "CommunityItems.h"
#include "NimbrelControlApp.h"
#include "OptCommunityDlg.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>

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
            for (int tab = 0; tab < nimbrel::kBuiltInCategoryCount; ++tab) {
                if (!host->page.Page(tab).IsLoaded()) {
                    return false;
                }
            }
            return true;
        })) << "every built-in tree loads from the store once the page is up";
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

enum Tab {
    kWindows,
    kBrowsers,
    kMessengers,
    kOffice,
    kMultimedia,
    kFileSharing,
    kEmail,
    kThirdParty,
    kCommunity
};

const std::wstring kVendorKey = L"Software\\NimbrelTests Community";

// A rules file in the user's Nimbrel folder: an editor (found here, one of
// its entries with a warning) and a chat program (found) in two groups, a
// program that is not installed, and an entry too damaged to read.
class CommunityRules {
public:
    CommunityRules() {
        folder_.FileWithContent(L"winapp2.ini",
                                "; Nimbrel's test rules\r\n"
                                "[Nimbrel Test Editor *]\r\nLangSecRef=3021\r\n"
                                "Detect=HKCU\\Software\\NimbrelTests Community\\Editor\r\n"
                                "FileKey1=%AppData%\\NimbrelTestEditor|*.log\r\n\r\n"
                                "[Nimbrel Test Sessions *]\r\nLangSecRef=3021\r\n"
                                "Detect=HKCU\\Software\\NimbrelTests Community\\Editor\r\n"
                                "Warning=This removes the sessions the editor restores.\r\n"
                                "FileKey1=%AppData%\\NimbrelTestEditor\\Sessions|*.*\r\n\r\n"
                                "[Nimbrel Test Chat *]\r\nLangSecRef=3022\r\n"
                                "Detect=HKCU\\Software\\NimbrelTests Community\\Chat\r\n"
                                "RegKey1=HKCU\\Software\\NimbrelTests Community\\Chat\\Recent\r\n\r\n"
                                "[Nimbrel Test Absent *]\r\nLangSecRef=3021\r\n"
                                "Detect=HKCU\\Software\\NimbrelTests Community\\Absent\r\n"
                                "FileKey1=%AppData%\\NimbrelTestAbsent|*.*\r\n\r\n"
                                "[Nimbrel Test Broken *]\r\nLangSecRef=3021\r\nFileKey1\r\n");
        registry_.Key(HKEY_CURRENT_USER, kVendorKey + L"\\Editor");
        registry_.Key(HKEY_CURRENT_USER, kVendorKey + L"\\Chat");
        nimbrel::CommunityItems().Reload();
    }
    ~CommunityRules() {
        DeleteFileW(folder_.Path(L"winapp2.ini").c_str());
        nimbrel::CommunityItems().Reload();
    }

private:
    TestFolder folder_ = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Nimbrel");
    TestRegistry registry_;
};

// Answers every message box and remembers what it said.
class MessageWatch {
public:
    explicit MessageWatch(int answer) : answer_(answer) {
        nimbrel::theApp.seams.messageBox = [this](HWND, const std::wstring& text, const std::wstring& caption,
                                                  UINT) {
            shown.push_back(caption + L": " + text);
            return answer_;
        };
    }
    ~MessageWatch() { nimbrel::theApp.seams.messageBox = nullptr; }
    void Answer(int answer) { answer_ = answer; }
    std::vector<std::wstring> shown;

private:
    int answer_;
};

} // namespace

TEST_F(OptionsPage, ShowsNineTabsWhoseTreesStartUncheckedOnAnEmptyStore) {
    const auto tabs = Split(L"Windows|Internet Browsers|Instant Messaging|MS Office|Multimedia|File Sharing|"
                            L"Email|Third-Party Applications|Community");
    const auto roots = Split(L"Windows|Internet Browsers|Instant Messaging|MS Office|MultiMedia|File Sharing|"
                             L"Emails|Third Party Applications");
    ASSERT_EQ(9, TabCtrl_GetItemCount(Tabs()));
    EXPECT_EQ(tabs[kCommunity], TabText(Tabs(), kCommunity));
    EXPECT_FALSE(host->page.CommunityPage().IsLoaded()) << "the rules wait until their tab is shown";
    EXPECT_EQ(0u, Tree(kCommunity).Count());
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
    EXPECT_EQ(nimbrel::SelectionItems().size(), leaves);
    EXPECT_EQ(34u, ChildrenOf(Tree(kWindows), Tree(kWindows).GetRoot()).size()) << "no application level";
    EXPECT_EQ(13u, ChildrenOf(Tree(kOffice), FindNode(Tree(kOffice), {L"MS Office", L"Office 2003"})).size());
    EXPECT_EQ(9u,
              ChildrenOf(Tree(kOffice), FindNode(Tree(kOffice), {L"MS Office", L"Office 2007-365"})).size());
    EXPECT_EQ(0, host->page.CurrentTab());
    EXPECT_TRUE(IsWindowVisible(host->page.Page(kWindows).Hwnd()));
    EXPECT_FALSE(IsWindowVisible(host->page.Page(kEmail).Hwnd()));
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, kKey).empty()) << "showing the trees stores nothing";

    HWND erasing = Control(IDC_OPT_WHEN_ERASING);
    EXPECT_EQ(4, SendMessageW(erasing, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(3, host->page.OverwritePasses()) << "three passes until the user chooses";
    SendMessageW(erasing, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(7, host->page.OverwritePasses());
}

TEST_F(OptionsPage, SetDefaultStoresAndShowsTheFactorySelection) {
    Click(IDC_OPT_SET_DEFAULT);
    EXPECT_EQ(1, host->dashboardFlagsSet);
    EXPECT_EQ(nimbrel::SelectionItems().size(), ValueNames(HKEY_LOCAL_MACHINE, kKey).size());

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
    EXPECT_EQ(nimbrel::SelectionItems().size(), names.size());
    EXPECT_TRUE(
        std::all_of(names.begin(), names.end(), [&](const auto& name) { return Stored(name) == L"0"; }));
    for (int tab = 0; tab < 8; ++tab) {
        for (HTREEITEM node : AllNodes(Tree(tab))) {
            EXPECT_FALSE(Tree(tab).GetCheck(node)) << testing::PrintToString(Tree(tab).GetItemText(node));
        }
    }
    EXPECT_EQ(1, host->dashboardFlagsSet) << "only Set Default shows the dashboard again";
}

TEST_F(OptionsPage, TheTreesFollowTheStoreWhenTheMainWindowReloadsThem) {
    TestRegistry registry; // another window spells the value with a small b
    registry.String(HKEY_LOCAL_MACHINE, kKey, L"Windows Flush Recycle bin", L"1");
    host->page.StartReloadTimer();
    ASSERT_TRUE(PumpUntil([&] { return Checked(kWindows, {L"Windows", L"Flush Recycle Bin"}); }));
    EXPECT_TRUE(Checked(kWindows, {L"Windows"}));
    EXPECT_FALSE(Checked(kWindows, {L"Windows", L"Temp Folder"}));
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

TEST_F(OptionsPage, LeavingATabStoresItsItemsButTheDashboardsWayToATabDoesNot) {
    ClickCheckBox(Tree(kWindows), FindNode(Tree(kWindows), {L"Windows", L"Paging File"}));
    ASSERT_TRUE(PumpUntil([&] { return Checked(kWindows, {L"Windows", L"Paging File"}); }));
    host->page.SelectTab(kEmail); // a category button of the dashboard
    Pump();
    EXPECT_EQ(kEmail, TabCtrl_GetCurSel(Tabs()));
    for (int tab = 0; tab < 9; ++tab) {
        EXPECT_EQ(tab == kEmail, IsWindowVisible(host->page.Page(tab).Hwnd()) != FALSE) << tab;
    }
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, kKey).empty());

    const CTreeCtrl& tree = Tree(kEmail);
    ClickCheckBox(tree, tree.GetRoot());
    ASSERT_TRUE(PumpUntil([&] { return Checked(kEmail, {L"Emails", L"Pocomail", L"Drafts Folder"}); }));
    ClickTab(Tabs(), kWindows);
    ASSERT_EQ(kWindows, host->page.CurrentTab());
    EXPECT_TRUE(IsWindowVisible(host->page.Page(kWindows).Hwnd()));
    const auto stored = ValueNames(HKEY_LOCAL_MACHINE, kKey);
    EXPECT_EQ(nimbrel::ItemsOf(nimbrel::ItemCategory::Email).size(), stored.size())
        << "the e-mail items, and none of the Windows tab";
    EXPECT_TRUE(
        std::all_of(stored.begin(), stored.end(), [&](const auto& name) { return Stored(name) == L"1"; }));
    EXPECT_EQ(L"1", Stored(L"IncrediMail Xe History of Email Users"));
}

TEST_F(OptionsPage, StartScanAndClosingStoreTheShownTab) {
    std::wstring pagingFileAtScan;
    host->onScanStarted = [&] { pagingFileAtScan = Stored(L"Windows Paging File"); };
    ClickCheckBox(Tree(kWindows), FindNode(Tree(kWindows), {L"Windows", L"Paging File"}));
    ASSERT_TRUE(PumpUntil([&] { return Checked(kWindows, {L"Windows", L"Paging File"}); }));
    Click(IDC_OPT_START_SCAN);
    EXPECT_EQ(1, host->scansStarted);
    EXPECT_EQ(L"1", pagingFileAtScan) << "the scan sees what the user sees";
    EXPECT_EQ(0, host->resultsShown);

    ClickCheckBox(Tree(kWindows), FindNode(Tree(kWindows), {L"Windows", L"Temp Folder"}));
    ASSERT_TRUE(PumpUntil([&] { return Checked(kWindows, {L"Windows", L"Temp Folder"}); }));
    DestroyWindow(host->Hwnd()); // the program closes
    EXPECT_EQ(L"1", Stored(L"Windows Temp Folder"));
    EXPECT_EQ(34u, ValueNames(HKEY_LOCAL_MACHINE, kKey).size());
}

TEST_F(OptionsPage, APageThatGoesWithItsObjectStillStoresTheShownTab) {
    ClickCheckBox(Tree(kWindows), FindNode(Tree(kWindows), {L"Windows", L"Temp Folder"}));
    ASSERT_TRUE(PumpUntil([&] { return Checked(kWindows, {L"Windows", L"Temp Folder"}); }));
    host.reset(); // objects first, windows with them
    EXPECT_EQ(L"1", Stored(L"Windows Temp Folder"));
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

TEST_F(OptionsPage, EveryTabForPeopleToLookAt) {
    CommunityRules rules;
    Click(IDC_OPT_SET_DEFAULT);
    nimbrel::SetString(kProduct, L"tts", L"12.50");
    ShowPageAgain();
    const wchar_t* names[9] = {L"windows",     L"browsers", L"messengers", L"office",   L"multimedia",
                               L"filesharing", L"email",    L"thirdparty", L"community"};
    for (int tab = 0; tab < 9; ++tab) {
        ClickTab(Tabs(), tab);
        ASSERT_EQ(tab, host->page.CurrentTab());
        ASSERT_TRUE(PumpUntil([&] { return host->page.Page(tab).IsLoaded(); }));
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

TEST_F(OptionsPage, TheBrowsersTabStoresCompactingAndKeepsTheSitesTheUserChose) {
    ClickTab(Tabs(), kBrowsers);
    HWND compact = host->page.Page(kBrowsers).Item(IDC_OPT_COMPACT_DATABASES);
    HWND keep = host->page.Page(kBrowsers).Item(IDC_OPT_COOKIES_TO_KEEP);
    ASSERT_TRUE(IsWindowVisible(compact) && IsWindowVisible(keep));
    EXPECT_EQ(BST_CHECKED, SendMessageW(compact, BM_GETCHECK, 0, 0)) << "on by default";
    RECT tree{}, row{};
    GetWindowRect(Tree(kBrowsers).Hwnd(), &tree);
    GetWindowRect(keep, &row);
    EXPECT_LE(tree.bottom, row.top) << "the row below the tree stays in view";
    SendMessageW(compact, BM_CLICK, 0, 0);
    EXPECT_EQ(L"0", Stored(nimbrel::kCompactDatabasesValue));
    EXPECT_FALSE(nimbrel::CompactsDatabases(kProduct));
    SendMessageW(compact, BM_CLICK, 0, 0);
    EXPECT_TRUE(nimbrel::CompactsDatabases(kProduct));

    // The browsers hold cookies of four sites, one of them kept already and
    // one twice (with and without "www.").
    nimbrel::SetCookieSitesToKeep(kProduct, {L"mail.example.org"});
    auto found = [] {
        return std::vector<std::wstring>{L"www.bank.example", L"bank.example", L"mail.example.org",
                                         L"tracker.example"};
    };
    nimbrel::CCookiesToKeepDlg list(kProduct, found);
    ASSERT_TRUE(list.Create(host->Hwnd()));
    ShowWindow(list.Hwnd(), SW_SHOW);
    Pump();
    using Sites = std::vector<std::wstring>;
    EXPECT_EQ(Sites{L"mail.example.org"}, list.KeptSites());
    EXPECT_EQ((Sites{L"bank.example", L"tracker.example"}), list.FoundSites())
        << "kept sites are not offered";

    HWND typed = list.Item(IDC_KEEP_SITE);
    SetWindowTextW(typed, L"https://www.Shop.example/cart");
    SendMessageW(list.Item(IDC_KEEP_ADD), BM_CLICK, 0, 0);
    SetWindowTextW(typed, L"not a site!");
    SendMessageW(list.Item(IDC_KEEP_ADD), BM_CLICK, 0, 0);
    EXPECT_EQ((Sites{L"mail.example.org", L"shop.example"}), list.KeptSites());
    wchar_t left[64] = {};
    GetWindowTextW(typed, left, 64);
    EXPECT_STREQ(L"not a site!", left) << "left for the user to correct";

    HWND ticks = list.Item(IDC_KEEP_FOUND);
    ListView_SetCheckState(ticks, 0, TRUE);
    SaveScreenshot(L"options_cookies_to_keep");
    SendMessageW(list.Item(IDC_KEEP_ADD_FOUND), BM_CLICK, 0, 0);
    EXPECT_EQ((Sites{L"bank.example", L"mail.example.org", L"shop.example"}), list.KeptSites());
    EXPECT_EQ(Sites{L"tracker.example"}, list.FoundSites());

    HWND kept = list.Item(IDC_KEEP_LIST);
    SendMessageW(kept, LB_SETSEL, TRUE, 1);
    SendMessageW(list.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_KEEP_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(kept));
    SendMessageW(list.Item(IDC_KEEP_REMOVE), BM_CLICK, 0, 0);
    EXPECT_EQ((Sites{L"bank.example", L"shop.example"}), list.KeptSites());
    EXPECT_EQ((Sites{L"mail.example.org", L"tracker.example"}), list.FoundSites()) << "offered again";
    EXPECT_EQ(L"mail.example.org", Stored(nimbrel::kCookieSitesValue)) << "nothing stored before OK";

    SetWindowTextW(typed, L"");
    SendMessageW(list.Item(IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(L"bank.example;shop.example", Stored(nimbrel::kCookieSitesValue));
    EXPECT_FALSE(IsWindow(list.Hwnd()));

    nimbrel::CCookiesToKeepDlg cancelled(kProduct, [] { return std::vector<std::wstring>{}; });
    ASSERT_TRUE(cancelled.Create(host->Hwnd()));
    EXPECT_EQ((Sites{L"bank.example", L"shop.example"}), cancelled.KeptSites());
    EXPECT_FALSE(IsWindowEnabled(cancelled.Item(IDC_KEEP_ADD_FOUND))) << "nothing found to add";
    SendMessageW(cancelled.Item(IDC_KEEP_LIST), LB_SETSEL, TRUE, -1);
    SendMessageW(cancelled.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_KEEP_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(cancelled.Item(IDC_KEEP_LIST)));
    SendMessageW(cancelled.Item(IDC_KEEP_REMOVE), BM_CLICK, 0, 0);
    EXPECT_TRUE(cancelled.KeptSites().empty());
    SendMessageW(cancelled.Hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(L"bank.example;shop.example", Stored(nimbrel::kCookieSitesValue)) << "Cancel stores nothing";
}

TEST_F(OptionsPage, TheCommunityTabListsTheEntriesFoundHereAndAsksBeforeAWarning) {
    CommunityRules rules;
    MessageWatch messages(IDCANCEL);
    ClickTab(Tabs(), kCommunity);
    ASSERT_TRUE(PumpUntil([&] { return host->page.CommunityPage().IsLoaded(); })) << "read once shown";
    const CTreeCtrl& tree = Tree(kCommunity);
    std::vector<std::wstring> lines;
    for (HTREEITEM node : AllNodes(tree)) {
        EXPECT_FALSE(tree.GetCheck(node)) << "every entry is off at first";
        lines.push_back(tree.GetItemText(node));
    }
    EXPECT_EQ(lines, Split(L"Community|Applications|Nimbrel Test Editor|Nimbrel Test Sessions|Internet|"
                           L"Nimbrel Test Chat"))
        << "the absent program's entry is not offered";
    EXPECT_EQ(nimbrel::CWindow(host->page.CommunityPage().Item(IDC_COMMUNITY_SUMMARY)).Text(),
              L"4 entries read, 1 skipped: Nimbrel Test Broken: has a line without \"key=value\"\r\n"
              L"3 of 4 apply to this computer: their programs are found here.");

    // The search keeps what matches, and the choices made before it.
    ClickCheckBox(tree, FindNode(tree, {L"Community", L"Internet", L"Nimbrel Test Chat"}));
    ASSERT_TRUE(PumpUntil([&] { return Checked(kCommunity, {L"Community", L"Internet"}); }));
    HWND search = host->page.CommunityPage().Item(IDC_COMMUNITY_SEARCH);
    SetWindowTextW(search, L"sESSions");
    lines.clear();
    for (HTREEITEM node : AllNodes(tree)) {
        lines.push_back(tree.GetItemText(node));
    }
    EXPECT_EQ(lines, Split(L"Community|Applications|Nimbrel Test Sessions"));
    SetWindowTextW(search, L"internet"); // a group's name finds its entries
    EXPECT_EQ(ChildrenOf(tree, FindNode(tree, {L"Community", L"Internet"})).size(), 1u);
    SetWindowTextW(search, L"");
    EXPECT_TRUE(Checked(kCommunity, {L"Community", L"Internet", L"Nimbrel Test Chat"}));

    // Tick all in this group: the entry with a warning asks, and Cancel
    // leaves it off.
    HWND tickGroup = host->page.CommunityPage().Item(IDC_COMMUNITY_TICK_GROUP);
    EXPECT_FALSE(IsWindowEnabled(tickGroup)) << "no group selected";
    tree.Select(FindNode(tree, {L"Community", L"Applications", L"Nimbrel Test Editor"}));
    ASSERT_TRUE(IsWindowEnabled(tickGroup)) << "an entry's group";
    SendMessageW(tickGroup, BM_CLICK, 0, 0);
    EXPECT_EQ(messages.shown,
              Split(L"Nimbrel Test Sessions: This removes the sessions the editor restores."));
    EXPECT_TRUE(Checked(kCommunity, {L"Community", L"Applications", L"Nimbrel Test Editor"}));
    EXPECT_FALSE(Checked(kCommunity, {L"Community", L"Applications", L"Nimbrel Test Sessions"}));

    // Its own box asks too; OK ticks it.
    messages.Answer(IDOK);
    const HTREEITEM sessions = FindNode(tree, {L"Community", L"Applications", L"Nimbrel Test Sessions"});
    ClickCheckBox(tree, sessions);
    ASSERT_TRUE(PumpUntil([&] { return messages.shown.size() == 2u; }));
    EXPECT_TRUE(PumpUntil([&] { return tree.GetCheck(sessions); }));
    EXPECT_EQ(L"", Stored(L"Community: Nimbrel Test Editor")) << "stored when the tab is left";

    ClickTab(Tabs(), kWindows);
    for (const wchar_t* name : {L"Community: Nimbrel Test Editor", L"Community: Nimbrel Test Sessions",
                                L"Community: Nimbrel Test Chat"}) {
        EXPECT_EQ(L"1", Stored(name)) << testing::PrintToString(std::wstring(name));
    }
    EXPECT_EQ(L"", Stored(L"Community: Nimbrel Test Absent"));
    Click(IDC_OPT_UNCHECK_ALL);
    EXPECT_FALSE(Checked(kCommunity, {L"Community", L"Internet", L"Nimbrel Test Chat"}));
    EXPECT_EQ(L"0", Stored(L"Community: Nimbrel Test Chat"));
}
