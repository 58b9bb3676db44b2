// One tab of the Options page: a tree of check boxes with the category at
// the root, its applications below and the cleaning items as leaves (the
// Windows tree has its items directly under the root). Every leaf mirrors
// one selection value of the settings store.
#pragma once

#include "DialogBase.h"
#include "ItemSelection.h"
#include "TreeCtrl.h"

#include <string>

namespace nimbrel {

class COptCategoryDlg : public CDialogBase {
public:
    COptCategoryDlg(UINT templateId, ItemCategory category, std::wstring product);

    ItemCategory Category() const { return category_; }
    const CTreeCtrl& Tree() const { return tree_; }
    // The item a node stands for; null for the root and application nodes.
    const SelectionItem* ItemOf(HTREEITEM node) const;

    // Sets every check box from the stored selection.
    void LoadTree();
    // Stores every leaf's check box. A tree that has not been loaded yet
    // stores nothing, since its boxes do not show the user's choice.
    void SaveTree();
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

private:
    void BuildTree();
    // The user toggled the box of `node`; it already shows its new state.
    void CheckChanged(HTREEITEM node);
    void CheckChangeFollows(HTREEITEM node);

    ItemCategory category_;
    std::wstring product_;
    CTreeCtrl tree_;
    bool loaded_ = false;
};

} // namespace nimbrel
