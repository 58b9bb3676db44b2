// How the check boxes of an option tree follow the stored selection and one
// another. Written for any tree that offers the calls of CTreeCtrl
// (GetChild, GetNextSibling, GetParentItem, GetCheck, SetCheck on item
// handles that test false at the end), so the same rules drive the real
// tree view and can be checked on a plain model.
#pragma once

#include <optional>

namespace nimbrel {

namespace check_tree_detail {

// `isItemOn(node)`: the stored state of an item node, or nothing for a group
// node (an application or the root). A group ends checked when any node
// below it did; a group without children ends unchecked.
template <class Tree, class Item, class IsItemOn>
bool LoadNode(const Tree& tree, Item node, IsItemOn& isItemOn) {
    if (const std::optional<bool> stored = isItemOn(node)) {
        tree.SetCheck(node, *stored);
        return *stored;
    }
    bool anyChecked = false;
    for (Item child = tree.GetChild(node); child; child = tree.GetNextSibling(child)) {
        anyChecked = LoadNode(tree, child, isItemOn) || anyChecked;
    }
    tree.SetCheck(node, anyChecked);
    return anyChecked;
}

template <class Tree, class Item> void CheckSubtree(const Tree& tree, Item node, bool checked) {
    for (Item child = tree.GetChild(node); child; child = tree.GetNextSibling(child)) {
        tree.SetCheck(child, checked);
        CheckSubtree(tree, child, checked);
    }
}

} // namespace check_tree_detail

// Sets every check box under and including `root` from the store. A tree
// whose root has no children yet is left as it is.
template <class Tree, class Item, class IsItemOn>
void LoadChecks(const Tree& tree, Item root, IsItemOn isItemOn) {
    if (!root || !tree.GetChild(root)) {
        return;
    }
    check_tree_detail::LoadNode(tree, root, isItemOn);
}

// After the user toggled `node`'s box: a checked node checks its ancestors
// (an item cannot take part while its application is off) and everything
// below it; an unchecked node unchecks everything below it. Ancestors of an
// unchecked node keep their check, even when nothing below them is left on.
template <class Tree, class Item> void ApplyCheckChange(const Tree& tree, Item node) {
    const bool checked = tree.GetCheck(node);
    if (checked) {
        for (Item up = tree.GetParentItem(node); up; up = tree.GetParentItem(up)) {
            if (!tree.GetCheck(up)) {
                tree.SetCheck(up, true);
            }
        }
    }
    check_tree_detail::CheckSubtree(tree, node, checked);
}

} // namespace nimbrel
