// Which cleaning items take part in a scan: one selection value per item in
// the settings store, named after the item's place in the option trees
// ("Opera Cookies", "Windows Paging File"), "1" when the item is selected.
//
// The table lists the 260 items in the order the option trees show them and
// the scan runs them, category by category and application by application.
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
};
inline constexpr int kCategoryCount = 8;

struct CategoryLabels {
    const wchar_t* tab;      // the tab of the Options page
    const wchar_t* treeRoot; // the root node of the category's tree
};
CategoryLabels LabelsOf(ItemCategory category);

// One cleaning item as the user chooses it.
struct SelectionItem {
    ItemCategory category;
    // The application node above the item; in the Windows tree, whose items
    // hang directly under the root, the root's label "Windows".
    const wchar_t* group;
    const wchar_t* label;
    bool onByDefault;
};

// All items, in tree (and scan) order.
const std::vector<SelectionItem>& SelectionItems();
// The items of one category, in tree order.
std::vector<const SelectionItem*> ItemsOf(ItemCategory category);
// The Windows tree has no application level.
bool HasApplicationLevel(ItemCategory category);

// The settings value of an item: its group, one blank, its label.
std::wstring SelectionValueName(const SelectionItem& item);
// The item a value name belongs to, compared without regard to case as the
// registry compares names; null when no item has that name.
const SelectionItem* FindSelectionItem(const std::wstring& valueName);

// Whether the stored selection has the item on.
bool IsItemSelected(const std::wstring& product, const SelectionItem& item);
void SetItemSelected(const std::wstring& product, const SelectionItem& item, bool selected);
// The factory selection: every item on except the 50 that reach into the
// user's own files or passwords.
void WriteDefaultSelection(const std::wstring& product);
// Every item off.
void WriteNothingSelected(const std::wstring& product);

// The "When erasing" choices, in list order, and the overwrite passes each
// one asks of the engine.
const std::vector<std::wstring>& ErasingChoices();
inline constexpr int kInitialErasingChoice = 2;
int OverwritePassesFor(int erasingChoice);

} // namespace nimbrel
