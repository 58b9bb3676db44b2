// One tab of the Options page: a tree of check boxes with the category at
// the root, its applications below and the cleaning items as leaves (the
// Windows tree has its items directly under the root). Every leaf mirrors
// one selection value of the settings store.
#pragma once

#include "DialogBase.h"
#include "ItemSelection.h"
#include "TreeCtrl.h"

#include <functional>
#include <string>
#include <vector>

namespace nimbrel {

class COptCategoryDlg : public CDialogBase {
public:
    COptCategoryDlg(UINT templateId, ItemCategory category, std::wstring product);

    ItemCategory Category() const { return category_; }
    const CTreeCtrl& Tree() const { return tree_; }
    // The item a node stands for; null for the root and application nodes.
    const SelectionItem* ItemOf(HTREEITEM node) const;

    // Sets every check box from the stored selection.
    virtual void LoadTree();
    // Stores every leaf's check box. A tree that has not been loaded yet
    // stores nothing, since its boxes do not show the user's choice.
    virtual void SaveTree();
    bool IsLoaded() const { return loaded_; }

    // Timer 100: the first load, once the page has been created.
    static constexpr UINT_PTR kLoadTimer = 100;
    // The tree repaints a moment after a check change, so that boxes
    // changed by the propagation never show a stale state.
    static constexpr UINT_PTR kRedrawTimer = 101;
    static constexpr UINT kRedrawDelayMs = 30;

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    void OnSize(UINT type, int width, int height) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    // Fills the tree once the dialog exists; a page whose items cost time
    // to learn waits until it is first shown.
    virtual void PrepareTree();
    // The tree anew: the category's items that `shows` lets through.
    void BuildTree(const std::function<bool(const SelectionItem&)>& shows = nullptr);
    // Every check box from `isOn` (leaves; a group follows its items).
    void ShowChecks(const std::function<bool(const SelectionItem&)>& isOn);
    // Every leaf with its item, depth first in tree order.
    void ForEachLeaf(const std::function<void(HTREEITEM, const SelectionItem&)>& visit) const;
    // The user toggled the box of `node`; it already shows its new state.
    virtual void CheckChanged(HTREEITEM node);
    void RedrawSoon();
    const std::wstring& Product() const { return product_; }
    void MarkLoaded() { loaded_ = true; }

private:
    void CheckChangeFollows(HTREEITEM node);

    ItemCategory category_;
    std::wstring product_;
    CTreeCtrl tree_;
    // The items the tree shows, in tree order; a leaf keeps its place here,
    // plus one, in its node data (0 marks the root and the groups).
    std::vector<const SelectionItem*> items_;
    bool loaded_ = false;
};

} // namespace nimbrel
