#include "TreeCtrl.h"

#include "win32/Text.h"

#include <vector>

namespace nimbrel {

HTREEITEM CTreeCtrl::InsertItem(const std::wstring& text, HTREEITEM parent, HTREEITEM after,
                                LPARAM data) const {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM CTreeCtrl::InsertCheckedItem(const std::wstring& text, HTREEITEM parent, HTREEITEM after) {
    const std::wstring shown = win32::WithControlsShown(text, win32::ControlCharacters::Marked);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_STATE;
    insert.item.pszText = const_cast<wchar_t*>(shown.c_str());
    insert.item.state = INDEXTOSTATEIMAGEMASK(2);
    insert.item.stateMask = TVIS_STATEIMAGEMASK;
    const auto item =
        reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item && shown != text) {
        insertedTexts_[item] = text;
    }
    return item;
}

void CTreeCtrl::ForgetInsertedTexts(HTREEITEM item) {
    if (insertedTexts_.empty()) {
        return;
    }
    insertedTexts_.erase(item);
    for (HTREEITEM child = GetChild(item); child; child = GetNextSibling(child)) {
        ForgetInsertedTexts(child);
    }
}

bool CTreeCtrl::DeleteItem(HTREEITEM item) {
    // A deleted item's handle may come back for a new one.
    ForgetInsertedTexts(item);
    return TreeView_DeleteItem(hwnd_, item) != FALSE;
}

void CTreeCtrl::DeleteAllItems() {
    insertedTexts_.clear();
    TreeView_DeleteAllItems(hwnd_);
}

HTREEITEM CTreeCtrl::CheckBoxAtMessagePos() const {
    const DWORD position = GetMessagePos();
    TVHITTESTINFO hit{};
    hit.pt = POINT{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(hwnd_, &hit.pt);
    TreeView_HitTest(hwnd_, &hit);
    return hit.hItem && (hit.flags & TVHT_ONITEMSTATEICON) ? hit.hItem : nullptr;
}

std::wstring CTreeCtrl::GetItemText(HTREEITEM item) const {
    const auto inserted = insertedTexts_.find(item);
    if (inserted != insertedTexts_.end()) {
        return inserted->second;
    }
    // Found-item texts can be long paths: grow until the text fits.
    std::vector<wchar_t> text(260);
    for (;;) {
        TVITEMW query{};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = text.data();
        query.cchTextMax = static_cast<int>(text.size());
        if (!Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) {
            return {};
        }
        const std::wstring result(query.pszText);
        if (result.size() + 1 < text.size() || text.size() >= 32768) {
            return result;
        }
        text.resize(text.size() * 4);
    }
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEMW query{};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    return Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)) ? query.lParam : 0;
}

} // namespace nimbrel
