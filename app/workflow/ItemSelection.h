// Which cleaning items take part in a scan: one selection value per item in
// the settings store, named after the item's place in the option trees
// ("Opera Cookies", "Windows Paging File"), "1" when the item is selected.
//
// The table lists the items in the order the option trees show them and
// the scan runs them, category by category and application by application.
// It is the one list of items: the options, the scan and the command line
// all read it, so a row also says which engine export scans the item and
// where its found items hang in the found-items tree. The ninth category,
// Community, has no rows here: its items are the entries of the community
// rules file that apply on this machine (CommunityItems.h), read when they
// are first asked for, and every function below serves them like rows.
#pragma once

#include <string>
#include <vector>

namespace nimbrel {

enum class ItemCategory {
    Windows,
    InternetBrowsers,
    InstantMessengers,
    MSOffice,
    Multimedia,
    FileSharing,
    Email,
    ThirdParty,
    Community,
};
inline constexpr int kCategoryCount = 9;
// The categories whose items are the table's rows: all but Community.
inline constexpr int kBuiltInCategoryCount = 8;

struct CategoryLabels {
    const wchar_t* tab;      // the tab of the Options page
    const wchar_t* treeRoot; // the root node of the category's tree
    const wchar_t* scanNode; // the category's node in the found-items tree
    // The stored figures of the category are named after it: "f" + suffix
    // (files found), "s" (space found), "fi" (files cleaned), "sc" (space
    // recovered).
    const wchar_t* valueSuffix;
    const wchar_t* reportRow; // the category's row in the results report
};
CategoryLabels LabelsOf(ItemCategory category);

// An engine item export: reports every trace of the item through the scan
// callback (mode 0) and returns 1.
using ItemOperation = int (*)(unsigned char mode);

// One cleaning item as the user chooses it and the scan runs it.
struct SelectionItem {
    ItemCategory category;
    // The application node above the item; in the Windows tree, whose items
    // hang directly under the root, the root's label "Windows".
    const wchar_t* group;
    const wchar_t* label;
    bool onByDefault;
    ItemOperation operation;
    // The node that holds the item's found items.
    const wchar_t* nodeText;
    // What the scan page shows after the group's activity text while the
    // item runs; null: the node text after one blank.
    const wchar_t* activitySuffix = nullptr;
    // A Community item: the engine's number of its rules entry (the
    // operation is null); -1 for the table's rows.
    int ruleEntry = -1;
};

// An application as the scan shows it: its node between the category and
// the items (none for Windows, whose items hang under the category) and
// the activity text while its items run.
struct ScanGroup {
    ItemCategory category;
    const wchar_t* group; // the items' group label
    const wchar_t* nodeText;
    const wchar_t* activityPrefix;
};

// The table's items, in tree (and scan) order; Community's are not among
// them (ItemsOf and FindSelectionItem serve those too).
const std::vector<SelectionItem>& SelectionItems();
// Runs the item's scan or cleaning in the mode the engine was set to.
int RunItemOperation(const SelectionItem& item);
// The scan's view of an item's group.
const ScanGroup& ScanGroupOf(const SelectionItem& item);
// The text shown while the item runs: its group's activity prefix and the
// item's suffix.
std::wstring ActivityText(const SelectionItem& item);
// The items of one category, in tree order.
std::vector<const SelectionItem*> ItemsOf(ItemCategory category);
// The Windows tree has no application level.
bool HasApplicationLevel(ItemCategory category);

// The settings value of an item: its group, one blank, its label; for a
// Community item "Community: " and its label (the entry's name), since
// its group may change with the next rules file.
std::wstring SelectionValueName(const SelectionItem& item);
// The item a value name belongs to, compared without regard to case as the
// registry compares names; null when no item has that name.
const SelectionItem* FindSelectionItem(const std::wstring& valueName);

// Whether the stored selection has the item on (any value but 0).
bool IsItemSelected(const std::wstring& product, const SelectionItem& item);
// Whether a scan runs the item: only a stored 1 counts.
bool IsItemScanned(const std::wstring& product, const SelectionItem& item);
void SetItemSelected(const std::wstring& product, const SelectionItem& item, bool selected);
// The factory selection: every item on except those that reach into the
// user's own files, passwords or saved addresses and cards; every
// Community item off (the rules file is not read for that).
void WriteDefaultSelection(const std::wstring& product);
// Every item off, Community's too.
void WriteNothingSelected(const std::wstring& product);

// The "When erasing" choices, in list order, and the overwrite passes each
// one asks of the engine.
const std::vector<std::wstring>& ErasingChoices();
inline constexpr int kInitialErasingChoice = 2;
int OverwritePassesFor(int erasingChoice);

} // namespace nimbrel
