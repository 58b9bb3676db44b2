// The selection table and the values it keeps in the settings store.
#include "ItemSelection.h"

#include "SettingsStore.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <set>

using namespace nimbrel;
using namespace testing_support;

namespace {

const std::wstring kProduct = L"NimbrelTests Selection";
const std::wstring kKey = L"SOFTWARE\\NimbrelTests Selection";

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

    // Every stored value, by its name as stored.
    std::vector<std::pair<std::wstring, std::wstring>> Stored() const {
        std::vector<std::pair<std::wstring, std::wstring>> values;
        for (const std::wstring& name : ValueNames(HKEY_LOCAL_MACHINE, kKey)) {
            values.emplace_back(name, ReadString(HKEY_LOCAL_MACHINE, kKey, name));
        }
        return values;
    }
    TestRegistry registry;
};

} // namespace

TEST(SelectionTable, HoldsEveryCategorysItemsOnceInTabOrder) {
    const auto& items = SelectionItems();
    ASSERT_EQ(260u, items.size());
    // Items per category: Windows, browsers, messengers, Office, multimedia,
    // file sharing, e-mail, third-party applications.
    const size_t perCategory[kCategoryCount] = {23, 38, 27, 31, 55, 41, 29, 16};
    for (int c = 0; c < kCategoryCount; ++c) {
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
    EXPECT_EQ(L"Internet Explorer Temp Internet Folder", SelectionValueName(items[23]));
    EXPECT_EQ(L"Macromedia Flash Player History And Temp Files", SelectionValueName(items.back()));
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

TEST_F(SelectionValues, TheDefaultSelectionTurnsOnAllButFiftyItems) {
    WriteDefaultSelection(kProduct);

    const std::set<std::wstring> expectedOff = {L"Internet Explorer Saved Passwords",
                                                L"Internet Explorer Favorites",
                                                L"AOL Browser Address Bar History",
                                                L"AOL Browser History",
                                                L"AOL Browser Cookies",
                                                L"Firefox Saved Passwords",
                                                L"ICQ 2003 b Received Files",
                                                L"ICQ 2003 b Bookmarks",
                                                L"ICQ 2003 b Downloads",
                                                L"ICQ 2003 b Contact List",
                                                L"ICQ 2003 b Shared File",
                                                L"ICQ 2003 b Pictures",
                                                L"ICQ 5.1 Received Files",
                                                L"ICQ 5.1 Contact List",
                                                L"AOL Received And Shared Files",
                                                L"Trillian Received Files",
                                                L"ACDSee 3 Image Database",
                                                L"ACDSee 5 Image Database",
                                                L"ACDSee 6 Image Database",
                                                L"ACDSee 7 Image Database",
                                                L"ACDSee 8 Image Database",
                                                L"ACDSee 9 Image Database",
                                                L"ACDSee Pro Image Database",
                                                L"ACDSee Shared Resources Favorites",
                                                L"Quick Time Player Favorites",
                                                L"DivX Player Movies Folder",
                                                L"Morpheus Completed Downloads Folder",
                                                L"Morpheus Shared Folder",
                                                L"Kazaa Shared Folder",
                                                L"Bit Torrent Downloads Folder",
                                                L"uTorrent Downloads Folder",
                                                L"Limewire Shared Folder",
                                                L"Bit Comet Downloads Folder",
                                                L"Outlook 6.x Sent Mails",
                                                L"Thunderbird Saved Passwords",
                                                L"Thunderbird Key Database",
                                                L"Thunderbird Sent Mails",
                                                L"Thunderbird Drafts",
                                                L"Thunderbird Unsent Mails",
                                                L"Thunderbird Downloaded News",
                                                L"Eudora Out Folder",
                                                L"Eudora Nick Names Used",
                                                L"Eudora Attachments",
                                                L"IncrediMail Xe Out Folder",
                                                L"IncrediMail Xe Sent Folder",
                                                L"IncrediMail Xe Drafts Folder",
                                                L"Pocomail Attachments",
                                                L"Pocomail Out Folder",
                                                L"Pocomail Sent Folder",
                                                L"Pocomail Drafts Folder"};
    ASSERT_EQ(50u, expectedOff.size());

    const auto stored = Stored();
    ASSERT_EQ(260u, stored.size());
    std::set<std::wstring> off;
    for (const auto& [name, text] : stored) {
        EXPECT_TRUE(text == L"0" || text == L"1") << testing::PrintToString(name);
        if (text == L"0") {
            off.insert(name);
        }
        EXPECT_NE(nullptr, FindSelectionItem(name))
            << "a value no item reads: " << testing::PrintToString(name);
    }
    EXPECT_EQ(expectedOff, off);
    EXPECT_EQ(L"1", ReadString(HKEY_LOCAL_MACHINE, kKey, L"Opera Saved Passwords"));
    EXPECT_EQ(L"1", ReadString(HKEY_LOCAL_MACHINE, kKey, L"Skype Received Files"));
}

TEST_F(SelectionValues, UncheckAllTurnsEveryItemOff) {
    WriteDefaultSelection(kProduct);
    WriteNothingSelected(kProduct);
    const auto stored = Stored();
    EXPECT_EQ(260u, stored.size());
    EXPECT_TRUE(
        std::all_of(stored.begin(), stored.end(), [](const auto& value) { return value.second == L"0"; }));
}

TEST_F(SelectionValues, AValueStoredWithOtherCapitalsSelectsItsItem) {
    const SelectionItem* flush = FindSelectionItem(L"Windows Flush Recycle Bin");
    ASSERT_NE(nullptr, flush);
    EXPECT_FALSE(IsItemSelected(kProduct, *flush)) << "an absent value reads as off";
    registry.String(HKEY_LOCAL_MACHINE, kKey, L"Windows Flush Recycle bin", L"1");
    EXPECT_TRUE(IsItemSelected(kProduct, *flush));

    SetItemSelected(kProduct, *flush, false);
    EXPECT_EQ((std::vector<std::wstring>{L"Windows Flush Recycle bin"}), ValueNames(HKEY_LOCAL_MACHINE, kKey))
        << "the one value is overwritten, not doubled";
    EXPECT_FALSE(IsItemSelected(kProduct, *flush));
}

TEST(ErasingChoice, MapsToTheOverwritePassesOfTheEngine) {
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Delete files without overwriting", L"Overwrite once (Quick)",
                                   L"Overwrite three times (Safe)", L"Overwrite seven times (Thorough)"}),
        ErasingChoices());
    EXPECT_EQ(3, OverwritePassesFor(kInitialErasingChoice));
    EXPECT_EQ(0, OverwritePassesFor(0));
    EXPECT_EQ(1, OverwritePassesFor(1));
    EXPECT_EQ(7, OverwritePassesFor(3));
    EXPECT_EQ(0, OverwritePassesFor(-1)) << "no choice: plain deletion";
    EXPECT_EQ(0, OverwritePassesFor(4));
}
