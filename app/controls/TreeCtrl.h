// The tree views of the option pages and the found items: items with check
// boxes, walked by child and sibling.
#pragma once

#include "Window.h"

#include <commctrl.h>

#include <string>
#include <unordered_map>

namespace nimbrel {

class CTreeCtrl : public CWindow {
public:
    using CWindow::CWindow;

    HTREEITEM InsertItem(const std::wstring& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST,
                         LPARAM data = 0) const;
    // An item whose check box is ticked from the start (one message instead
    // of two: the found-items tree takes thousands of them). Control
    // characters in the text show as visible marks, one item a line;
    // GetItemText gives the text back as it was inserted.
    HTREEITEM InsertCheckedItem(const std::wstring& text, HTREEITEM parent, HTREEITEM after = TVI_LAST);
    bool DeleteItem(HTREEITEM item);
    void DeleteAllItems();

    bool HasChildren(HTREEITEM item) const { return GetChild(item) != nullptr; }
    HTREEITEM GetRoot() const { return TreeView_GetRoot(hwnd_); }
    HTREEITEM GetChild(HTREEITEM item) const { return TreeView_GetChild(hwnd_, item); }
    HTREEITEM GetNextSibling(HTREEITEM item) const { return TreeView_GetNextSibling(hwnd_, item); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return TreeView_GetParent(hwnd_, item); }
    HTREEITEM GetSelection() const { return TreeView_GetSelection(hwnd_); }
    bool Select(HTREEITEM item) const { return TreeView_SelectItem(hwnd_, item) != FALSE; }
    bool Expand(HTREEITEM item, UINT action = TVE_EXPAND) const {
        return TreeView_Expand(hwnd_, item, action) != FALSE;
    }
    unsigned Count() const { return TreeView_GetCount(hwnd_); }

    std::wstring GetItemText(HTREEITEM item) const;
    LPARAM GetItemData(HTREEITEM item) const;
    // The item whose check box the mouse pointer was on at the message being
    // handled (a click the tree reports), or null.
    HTREEITEM CheckBoxAtMessagePos() const;
    // The check box of an item (a tree with TVS_CHECKBOXES).
    bool GetCheck(HTREEITEM item) const { return TreeView_GetCheckState(hwnd_, item) == 1; }
    void SetCheck(HTREEITEM item, bool checked) const { TreeView_SetCheckState(hwnd_, item, checked); }

private:
    void ForgetInsertedTexts(HTREEITEM item);

    // The texts of the items that show another (marked) text.
    std::unordered_map<HTREEITEM, std::wstring> insertedTexts_;
};

} // namespace nimbrel
