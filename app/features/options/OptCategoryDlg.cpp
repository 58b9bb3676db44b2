#include "OptCategoryDlg.h"

#include "CheckTreeRules.h"
#include "resource.h"

namespace nimbrel {

namespace {

// Posted by the tree's click and key handlers; handled once the tree has
// toggled the box. lParam: the node.
constexpr UINT kCheckChangedMessage = WM_APP + 0x40;

} // namespace

COptCategoryDlg::COptCategoryDlg(UINT templateId, ItemCategory category, std::wstring product)
    : CDialogBase(templateId), category_(category), product_(std::move(product)) {}

const SelectionItem* COptCategoryDlg::ItemOf(HTREEITEM node) const {
    const LPARAM data = node ? tree_.GetItemData(node) : 0;
    if (data <= 0 || static_cast<size_t>(data) > items_.size()) {
        return nullptr;
    }
    return items_[static_cast<size_t>(data) - 1];
}

BOOL COptCategoryDlg::OnInitDialog() {
    LayoutAtFixedDpi();
    tree_ = CTreeCtrl(Item(IDC_OPT_TREE));
    // Check boxes are added once the tree exists: a tree given them in its
    // template may not show the first states set on it.
    const auto style = GetWindowLongPtrW(tree_.Hwnd(), GWL_STYLE);
    SetWindowLongPtrW(tree_.Hwnd(), GWL_STYLE, style | TVS_CHECKBOXES);
    PrepareTree();
    return FALSE;
}

void COptCategoryDlg::PrepareTree() {
    BuildTree();
    SetTimer(Hwnd(), kLoadTimer, 10, nullptr);
}

void COptCategoryDlg::BuildTree(const std::function<bool(const SelectionItem&)>& shows) {
    tree_.DeleteAllItems();
    items_.clear();
    const HTREEITEM root = tree_.InsertItem(LabelsOf(category_).treeRoot);
    HTREEITEM application = nullptr;
    std::wstring applicationLabel;
    for (const SelectionItem* item : ItemsOf(category_)) {
        if (shows && !shows(*item)) {
            continue;
        }
        HTREEITEM parent = root;
        if (HasApplicationLevel(category_)) {
            if (!application || applicationLabel != item->group) {
                applicationLabel = item->group;
                application = tree_.InsertItem(applicationLabel, root);
            }
            parent = application;
        }
        items_.push_back(item);
        tree_.InsertItem(item->label, parent, TVI_LAST, static_cast<LPARAM>(items_.size()));
    }
    tree_.Expand(root);
}

void COptCategoryDlg::ShowChecks(const std::function<bool(const SelectionItem&)>& isOn) {
    LoadChecks(tree_, tree_.GetRoot(), [&](HTREEITEM node) -> std::optional<bool> {
        if (const SelectionItem* item = ItemOf(node)) {
            return isOn(*item);
        }
        return std::nullopt;
    });
}

void COptCategoryDlg::LoadTree() {
    ShowChecks([this](const SelectionItem& item) { return IsItemSelected(product_, item); });
    loaded_ = true;
}

void COptCategoryDlg::ForEachLeaf(const std::function<void(HTREEITEM, const SelectionItem&)>& visit) const {
    // Depth first, in tree order.
    HTREEITEM node = tree_.GetRoot();
    while (node) {
        if (const SelectionItem* item = ItemOf(node)) {
            visit(node, *item);
        }
        HTREEITEM next = tree_.GetChild(node);
        while (!next && node) {
            next = tree_.GetNextSibling(node);
            node = next ? next : tree_.GetParentItem(node);
        }
        node = next;
    }
}

void COptCategoryDlg::SaveTree() {
    if (!loaded_) {
        return;
    }
    ForEachLeaf([this](HTREEITEM node, const SelectionItem& item) {
        SetItemSelected(product_, item, tree_.GetCheck(node));
    });
}

void COptCategoryDlg::CheckChangeFollows(HTREEITEM node) {
    if (node) {
        PostMessageW(Hwnd(), kCheckChangedMessage, 0, reinterpret_cast<LPARAM>(node));
    }
}

bool COptCategoryDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id != IDC_OPT_TREE) {
        return false;
    }
    // The tree toggles a box after telling us of the click or key, so the
    // change is handled from a posted message. A double click toggles the
    // box again on some systems and not on others; handling it is safe
    // either way, since a node whose tree already follows it stays as it is.
    if (header.code == NM_CLICK || header.code == NM_DBLCLK) {
        CheckChangeFollows(tree_.CheckBoxAtMessagePos());
        result = 0;
        return true;
    }
    if (header.code == TVN_KEYDOWN && reinterpret_cast<NMTVKEYDOWN&>(header).wVKey == VK_SPACE) {
        CheckChangeFollows(tree_.GetSelection());
        result = 0;
        return true;
    }
    return false;
}

void COptCategoryDlg::CheckChanged(HTREEITEM node) {
    ApplyCheckChange(tree_, node);
    RedrawSoon();
}

void COptCategoryDlg::RedrawSoon() {
    SetTimer(Hwnd(), kRedrawTimer, kRedrawDelayMs, nullptr);
}

bool COptCategoryDlg::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message == WM_DESTROY && tree_) {
        // The tree made the check-box pictures when the style was added and
        // does not free them itself.
        if (HIMAGELIST states = TreeView_GetImageList(tree_.Hwnd(), TVSIL_STATE)) {
            TreeView_SetImageList(tree_.Hwnd(), nullptr, TVSIL_STATE);
            ImageList_Destroy(states);
        }
        return false;
    }
    if (message != kCheckChangedMessage) {
        return false;
    }
    CheckChanged(reinterpret_cast<HTREEITEM>(lParam));
    result = TRUE;
    return true;
}

void COptCategoryDlg::OnTimer(UINT_PTR id) {
    if (id == kLoadTimer) {
        KillTimer(Hwnd(), kLoadTimer);
        LoadTree();
    } else if (id == kRedrawTimer) {
        KillTimer(Hwnd(), kRedrawTimer);
        RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void COptCategoryDlg::OnSize(UINT, int width, int height) {
    if (tree_) {
        MoveWindow(tree_.Hwnd(), 0, 0, width, height, TRUE);
    }
}

} // namespace nimbrel
