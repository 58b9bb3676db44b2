// How the found-items tree behaves when the user ticks and unticks, what
// counts as a choice, and which found items a cleaning run takes. Written
// for any tree that offers the calls of CTreeCtrl (GetRoot, GetChild,
// GetNextSibling, GetParentItem, GetCheck, SetCheck, GetItemText on item
// handles that test false at the end), so the same rules drive the real
// tree view and can be checked on a plain model.
//
// The tree: category nodes at the root; under "Windows" its item nodes,
// under every other category application nodes and below them item nodes;
// under each item node its found items, whose text is the trace itself.
#pragma once

#include <windows.h>

#include <string>
#include <unordered_set>
#include <vector>

namespace nimbrel {

// The item node whose found items are the Recycle Bin's entries: emptying
// the bin takes them all, so they are chosen all together or not at all.
inline constexpr wchar_t kRecycleBinNodeText[] = L"Flush Recycle bin";
// The one category whose items hang directly under it.
inline constexpr wchar_t kWindowsCategoryText[] = L"Windows";

namespace found_tree_detail {

inline bool SameText(const std::wstring& a, const wchar_t* b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b, -1, TRUE) == CSTR_EQUAL;
}

// Sets every node below `node`; `onSiblings` hears of each list of siblings.
template <class Tree, class Item, class OnSiblings>
void MarkSubtree(const Tree& tree, Item node, bool checked, OnSiblings& onSiblings) {
    Item child = tree.GetChild(node);
    if (!child) {
        return;
    }
    onSiblings(checked);
    for (; child; child = tree.GetNextSibling(child)) {
        tree.SetCheck(child, checked);
        MarkSubtree(tree, child, checked, onSiblings);
    }
}

// The item nodes of a checked category node whose application nodes (when
// the category has them) are checked too.
template <class Tree, class Item> std::vector<Item> CheckedItemNodes(const Tree& tree, Item category) {
    std::vector<Item> items;
    const bool flat = SameText(tree.GetItemText(category), kWindowsCategoryText);
    for (Item child = tree.GetChild(category); child; child = tree.GetNextSibling(child)) {
        if (!tree.GetCheck(child)) {
            continue;
        }
        if (flat) {
            items.push_back(child);
            continue;
        }
        for (Item item = tree.GetChild(child); item; item = tree.GetNextSibling(item)) {
            if (tree.GetCheck(item)) {
                items.push_back(item);
            }
        }
    }
    return items;
}

} // namespace found_tree_detail

enum class CheckChange {
    Spread,              // the new mark went down the subtree (and, when set, up)
    RecycleBinKeptWhole, // a single bin entry was toggled: the whole bin is chosen again
};

// After the user toggled `node`'s box (the tree shows the new mark already).
// A checked node checks every node below it and every ancestor not yet
// checked; an unchecked node unchecks every node below it and leaves its
// ancestors as they are. A Recycle Bin entry is never toggled alone: the
// bin's node, all its entries and the nodes above it are checked again,
// and nothing else changes. `log(checked)` hears of each list of siblings
// that took the new mark.
template <class Tree, class Item, class Log>
CheckChange SpreadCheckMark(const Tree& tree, Item node, Log log) {
    using found_tree_detail::SameText;
    const Item parent = tree.GetParentItem(node);
    if (parent && SameText(tree.GetItemText(parent), kRecycleBinNodeText)) {
        for (Item entry = tree.GetChild(parent); entry; entry = tree.GetNextSibling(entry)) {
            tree.SetCheck(entry, true);
        }
        for (Item up = parent; up; up = tree.GetParentItem(up)) {
            tree.SetCheck(up, true);
        }
        return CheckChange::RecycleBinKeptWhole;
    }
    const bool checked = tree.GetCheck(node);
    if (checked) {
        for (Item up = parent; up; up = tree.GetParentItem(up)) {
            if (!tree.GetCheck(up)) {
                tree.SetCheck(up, true);
            }
        }
    }
    found_tree_detail::MarkSubtree(tree, node, checked, log);
    return CheckChange::Spread;
}

// Whether any found item is checked together with every node above it.
template <class Tree> bool HasChosenFoundItem(const Tree& tree) {
    for (auto category = tree.GetRoot(); category; category = tree.GetNextSibling(category)) {
        if (!tree.GetCheck(category)) {
            continue;
        }
        for (auto item : found_tree_detail::CheckedItemNodes(tree, category)) {
            for (auto found = tree.GetChild(item); found; found = tree.GetNextSibling(found)) {
                if (tree.GetCheck(found)) {
                    return true;
                }
            }
        }
    }
    return false;
}

// The found items a cleaning run hands to the engine, per category node in
// tree order. A trace that several items (or categories) found is taken
// once, under the first: cleaning it twice would count it and its size
// twice. Texts are compared without regard to case, as Windows compares
// paths and registry names.
struct CategoryChoice {
    std::wstring categoryText;
    std::vector<std::wstring> foundItems;
    // The item nodes whose found items are among them (a Community entry
    // removes the folders it leaves empty after its files).
    std::vector<std::wstring> itemNodes;
};

template <class Tree> std::vector<CategoryChoice> ChosenFoundItems(const Tree& tree) {
    std::vector<CategoryChoice> choices;
    std::unordered_set<std::wstring> taken;
    for (auto category = tree.GetRoot(); category; category = tree.GetNextSibling(category)) {
        CategoryChoice choice{tree.GetItemText(category), {}, {}};
        if (tree.GetCheck(category)) {
            for (auto item : found_tree_detail::CheckedItemNodes(tree, category)) {
                bool itemChosen = false;
                for (auto found = tree.GetChild(item); found; found = tree.GetNextSibling(found)) {
                    if (!tree.GetCheck(found)) {
                        continue;
                    }
                    std::wstring text = tree.GetItemText(found);
                    std::wstring key = text;
                    CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
                    if (taken.insert(std::move(key)).second) {
                        choice.foundItems.push_back(std::move(text));
                        itemChosen = true;
                    }
                }
                if (itemChosen) {
                    choice.itemNodes.push_back(tree.GetItemText(item));
                }
            }
        }
        choices.push_back(std::move(choice));
    }
    return choices;
}

} // namespace nimbrel
