// The selection table and the values it keeps in the settings store, with
// the browsers' databases' own values.
#include "ItemSelection.h"

#include "DatabaseSettings.h"

#include "SettingsStore.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <iterator>
#include <numeric>
#include <set>
#include <sstream>

using namespace nimbrel;
using namespace testing_support;

namespace {

const std::wstring kProduct = L"NimbrelTests Selection";
const std::wstring kKey = L"SOFTWARE\\NimbrelTests Selection";

// What a fresh installation leaves off: downloads, shared folders, sent and
// unsent mail, image databases, contact lists, saved passwords, the key
// databases that keep saved passwords readable, and the saved addresses and
// cards of today's browsers, and the jump lists (they hold what the user
// pinned); received files, the sessions the programs restore, the site
// settings, unsaved and not yet uploaded documents, the media libraries and
// Thunderbird's search index.
const wchar_t kOffByDefault[] =
    L"Windows Jump Lists|Firefox Session|Firefox Site Settings|Google Chrome Sessions|"
    L"Microsoft Edge Sessions|Brave Sessions|Vivaldi Sessions|Opera 15 and later Sessions|"
    L"Skype Received Files|MSN Messenger Chat Logs And Received Files|Office 2007-365 Unsaved Documents|"
    L"Office 2007-365 Upload Center Cache|Windows Media Player Library Database|"
    L"VLC Media Player Media Library|Thunderbird Session|Thunderbird Search Index|"
    L"Internet Explorer Saved Passwords|Internet Explorer Favorites|AOL Browser Address Bar History|"
    L"AOL Browser History|AOL Browser Cookies|Firefox Saved Passwords|Firefox Key Passwords|"
    L"ICQ 2003 b Received Files|"
    L"ICQ 2003 b Bookmarks|ICQ 2003 b Downloads|ICQ 2003 b Contact List|ICQ 2003 b Shared File|"
    L"ICQ 2003 b Pictures|ICQ 5.1 Received Files|ICQ 5.1 Contact List|AOL Received And Shared Files|"
    L"Trillian Received Files|ACDSee 3 Image Database|ACDSee 5 Image Database|ACDSee 6 Image Database|"
    L"ACDSee 7 Image Database|ACDSee 8 Image Database|ACDSee 9 Image Database|ACDSee Pro Image Database|"
    L"ACDSee Shared Resources Favorites|Quick Time Player Favorites|DivX Player Movies Folder|"
    L"Morpheus Completed Downloads Folder|Morpheus Shared Folder|Kazaa Shared Folder|"
    L"Bit Torrent Downloads Folder|uTorrent Downloads Folder|Limewire Shared Folder|Bit Comet Downloads "
    L"Folder|"
    L"Outlook 6.x Sent Mails|Thunderbird Saved Passwords|Thunderbird Key Database|Thunderbird Sent Mails|"
    L"Thunderbird Drafts|Thunderbird Unsent Mails|Thunderbird Downloaded News|Eudora Out Folder|"
    L"Eudora Nick Names Used|Eudora Attachments|IncrediMail Xe Out Folder|IncrediMail Xe Sent Folder|"
    L"IncrediMail Xe Drafts Folder|Pocomail Attachments|Pocomail Out Folder|Pocomail Sent Folder|"
    L"Pocomail Drafts Folder|"
    L"Google Chrome Saved Form Data, Addresses And Cards|Google Chrome Saved Passwords|"
    L"Microsoft Edge Saved Form Data, Addresses And Cards|Microsoft Edge Saved Passwords|"
    L"Brave Saved Form Data, Addresses And Cards|Brave Saved Passwords|"
    L"Vivaldi Saved Form Data, Addresses And Cards|Vivaldi Saved Passwords|"
    L"Opera 15 and later Saved Form Data, Addresses And Cards|Opera 15 and later Saved Passwords";

std::set<std::wstring> Split(const std::wstring& list) {
    std::set<std::wstring> names;
    std::wistringstream in(list);
    for (std::wstring name; std::getline(in, name, L'|');) {
        names.insert(name);
    }
    return names;
}

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

class SelectionValues : public ::testing::Test {
protected:
    void SetUp() override {
        TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, kKey);
        GetInt(kProduct, L"first"); // the key exists, as after installation
    }
    void TearDown() override { TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, kKey); }

    // The names of the stored values that hold `text`.
    std::set<std::wstring> Holding(const std::wstring& text) const {
        std::set<std::wstring> names;
        for (const std::wstring& name : ValueNames(HKEY_LOCAL_MACHINE, kKey)) {
            if (ReadString(HKEY_LOCAL_MACHINE, kKey, name) == text) {
                names.insert(name);
            }
        }
        return names;
    }
    size_t ValueCount() const { return ValueNames(HKEY_LOCAL_MACHINE, kKey).size(); }
    TestRegistry registry;
};

} // namespace

TEST(SelectionTable, HoldsEveryCategorysItemsOnceInTabOrder) {
    const auto& items = SelectionItems();
    // Windows, browsers, messengers, Office, multimedia, file sharing, e-mail, third-party applications:
    // the 260 items of Windows XP's time, and after them those of later Windows, Office and browsers.
    const size_t perCategory[kBuiltInCategoryCount] = {23 + 11, 38 + 33, 27, 31 + 9, 58, 41, 29 + 5, 20};
    ASSERT_EQ(std::accumulate(std::begin(perCategory), std::end(perCategory), size_t{0}), items.size());
    for (int c = 0; c < kBuiltInCategoryCount; ++c) {
        EXPECT_EQ(perCategory[c], ItemsOf(static_cast<ItemCategory>(c)).size()) << "category " << c;
    }
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(),
                               [](const auto& a, const auto& b) { return a.category < b.category; }));
    std::set<std::wstring> names;
    for (const SelectionItem& item : items) {
        EXPECT_TRUE(names.insert(Lower(SelectionValueName(item))).second)
            << "two items share the value " << testing::PrintToString(SelectionValueName(item));
    }
    EXPECT_EQ(L"Windows Windows Temp Folder", SelectionValueName(*ItemsOf(ItemCategory::Windows)[8]));
    EXPECT_EQ(L"Internet Explorer Temp Internet Folder", SelectionValueName(items[34]));
    EXPECT_EQ(L"Macromedia Flash Player History And Temp Files", SelectionValueName(items.back()));

    // The items for Windows Vista to 11 and Office 2007 to 365 follow the
    // items their category had before.
    const wchar_t* windows[] = {
        L"WordPad Recent History", L"Typed Paths", L"Search Box History", L"Open And Save Dialog Lists",
        L"Thumbnail Cache",        L"Icon Cache",  L"Error Reports",      L"Crash Dumps",
        L"DirectX Shader Cache",   L"Jump Lists",  L"Shell Bags",         L"Activity History"};
    for (size_t i = 0; i < std::size(windows); ++i) {
        EXPECT_EQ(L"Windows " + std::wstring(windows[i]), SelectionValueName(items[22 + i]));
    }
    const wchar_t* office[] = {L"Word",
                               L"Excel",
                               L"PowerPoint",
                               L"Access",
                               L"Publisher",
                               L"Visio",
                               L"OneNote",
                               L"Unsaved Documents",
                               L"Upload Center Cache"};
    EXPECT_EQ(L"Shared Resources FrontPage All", SelectionValueName(*ItemsOf(ItemCategory::MSOffice)[30]));
    for (size_t i = 0; i < std::size(office); ++i) {
        const SelectionItem& item = *ItemsOf(ItemCategory::MSOffice)[31 + i];
        EXPECT_EQ(L"Office 2007-365 " + std::wstring(office[i]), SelectionValueName(item));
        EXPECT_EQ(L"Currently Scanning: MS Office - Office 2007-365 " + std::wstring(office[i]),
                  ActivityText(item));
    }
}

TEST(SelectionTable, FindsTheNamesOtherWindowsSpellWithOtherCapitals) {
    const SelectionItem* flush = FindSelectionItem(L"Windows Flush Recycle bin");
    ASSERT_NE(nullptr, flush);
    EXPECT_EQ(std::wstring(L"Flush Recycle Bin"), flush->label);
    for (const wchar_t* name :
         {L"Windows Paging file", L"Windows Run command History", L"ACDSee pro Search History",
          L"PocoMail Attachments", L"Quick Time Player Recently Opened URL list",
          L"Google Desktop Search Don't Search these Items", L"Yahoo Desktop Search Index"}) {
        EXPECT_NE(nullptr, FindSelectionItem(name)) << testing::PrintToString(std::wstring(name));
    }
    EXPECT_EQ(nullptr, FindSelectionItem(L"Windows Flush Recycle"));
    EXPECT_EQ(nullptr, FindSelectionItem(L"Flush Recycle Bin"));
}

TEST_F(SelectionValues, TheDefaultSelectionTurnsOnAllButTheListedItems) {
    const std::set<std::wstring> expectedOff = Split(kOffByDefault);
    ASSERT_EQ(77u, expectedOff.size());
    WriteDefaultSelection(kProduct);
    EXPECT_EQ(SelectionItems().size(), ValueCount());
    EXPECT_EQ(expectedOff, Holding(L"0"));
    EXPECT_EQ(SelectionItems().size() - expectedOff.size(), Holding(L"1").size());
    EXPECT_EQ(1u, Holding(L"1").count(L"Opera Saved Passwords"));
}

TEST_F(SelectionValues, UncheckAllTurnsEveryItemOff) {
    WriteDefaultSelection(kProduct);
    WriteNothingSelected(kProduct);
    EXPECT_EQ(SelectionItems().size(), ValueCount());
    EXPECT_EQ(SelectionItems().size(), Holding(L"0").size());
}

TEST_F(SelectionValues, AValueStoredWithOtherCapitalsSelectsItsItem) {
    const SelectionItem* flush = FindSelectionItem(L"Windows Flush Recycle Bin");
    ASSERT_NE(nullptr, flush);
    EXPECT_FALSE(IsItemSelected(kProduct, *flush)) << "an absent value reads as off";
    registry.String(HKEY_LOCAL_MACHINE, kKey, L"Windows Flush Recycle bin", L"1");
    EXPECT_TRUE(IsItemSelected(kProduct, *flush));

    SetItemSelected(kProduct, *flush, false);
    EXPECT_EQ((std::set<std::wstring>{L"Windows Flush Recycle bin"}), Holding(L"0"))
        << "overwritten, not doubled";
    EXPECT_EQ(1u, ValueCount());
}

TEST(ErasingChoice, MapsToTheOverwritePassesOfTheEngine) {
    ASSERT_EQ(4u, ErasingChoices().size());
    EXPECT_EQ(L"Overwrite three times (Safe)", ErasingChoices()[kInitialErasingChoice]);
    const int passes[] = {0, 1, 3, 7};
    for (int choice = 0; choice < 4; ++choice) {
        EXPECT_EQ(passes[choice], OverwritePassesFor(choice));
    }
    EXPECT_EQ(0, OverwritePassesFor(-1)) << "no choice: plain deletion";
    EXPECT_EQ(0, OverwritePassesFor(4));
}

TEST_F(SelectionValues, TheKeptCookieSitesAndCompactingAreStoredWithTheSelection) {
    EXPECT_TRUE(CompactsDatabases(kProduct)) << "on until the user turns it off";
    EXPECT_TRUE(CookieSitesToKeep(kProduct).empty());
    SetCompactsDatabases(kProduct, false);
    EXPECT_FALSE(CompactsDatabases(kProduct));
    SetCompactsDatabases(kProduct, true);
    EXPECT_EQ(L"1", GetString(kProduct, kCompactDatabasesValue));

    // Fifty sites are longer than a plain text value reads.
    std::vector<std::wstring> sites;
    for (int i = 0; i < 50; ++i) {
        sites.push_back(L"signed-in-site-number-" + std::to_wstring(i) + L".example");
    }
    SetCookieSitesToKeep(kProduct, sites);
    EXPECT_EQ(sites, CookieSitesToKeep(kProduct));
    // Text another version or the user left there is read as sites, each once.
    SetString(kProduct, kCookieSitesValue, L" Mail.Example.org;;bad site;.mail.example.org;bank.example ");
    EXPECT_EQ((std::vector<std::wstring>{L"mail.example.org", L"bank.example"}), CookieSitesToKeep(kProduct));

    for (const auto& [text, site] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"example.org", L"example.org"},
             {L"  .Example.ORG. ", L"example.org"},
             {L"*.example.org", L"example.org"},
             {L"www.example.org", L"example.org"},
             {L"https://www.example.org:8443/inbox?x#y", L"example.org"},
             {L"mail.example.org", L"mail.example.org"},
             {L"www.com", L"www.com"},
             {L"localhost", L"localhost"},
             {L"b\u00fccher.example", L"b\u00fccher.example"},
             {L"", L""},
             {L"*.", L""},
             {L"two words.example", L""},
             {L"a..example", L""},
             {L"evil.example';--", L""},
         }) {
        EXPECT_EQ(site, CookieSiteFromText(text)) << testing::PrintToString(text);
    }
}
