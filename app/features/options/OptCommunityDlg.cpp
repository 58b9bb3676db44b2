#include "OptCommunityDlg.h"

#include "CheckTreeRules.h"
#include "CommunityItems.h"
#include "ShellSeams.h"
#include "resource.h"

namespace nimbrel {

namespace {

// How long the first look at the tab waits before the file is read, so
// that the tab is drawn (with its "Reading" line) before the user waits.
constexpr UINT kReadDelayMs = 10;

// "3,702": the figures as the engine's summary writes them.
std::wstring Grouped(int count) {
    std::wstring digits = std::to_wstring(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<size_t>(at), 1, L',');
    }
    return digits;
}

bool Contains(const wchar_t* text, const std::wstring& part) {
    const int length = lstrlenW(text);
    const int partLength = static_cast<int>(part.size());
    for (int at = 0; at + partLength <= length; ++at) {
        if (CompareStringOrdinal(text + at, partLength, part.c_str(), partLength, TRUE) == CSTR_EQUAL) {
            return true;
        }
    }
    return false;
}

} // namespace

COptCommunityDlg::COptCommunityDlg(std::wstring product)
    : COptCategoryDlg(IDD_OPT_COMMUNITY, ItemCategory::Community, std::move(product)) {}

BOOL COptCommunityDlg::OnInitDialog() {
    COptCategoryDlg::OnInitDialog();
    layout_.SetParent(Hwnd());
    layout_.AddControl(IDC_COMMUNITY_SEARCH, CControlPos::kStretchRight);
    layout_.AddControl(IDC_COMMUNITY_TICK_GROUP, CControlPos::kMoveRight);
    layout_.AddControl(IDC_OPT_TREE, CControlPos::kStretchRight | CControlPos::kStretchDown);
    layout_.AddControl(IDC_COMMUNITY_SUMMARY, CControlPos::kMoveDown | CControlPos::kStretchRight);
    return FALSE;
}

void COptCommunityDlg::OnSize(UINT, int, int) {
    layout_.MoveControls();
}

bool COptCommunityDlg::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    return true;
}

HBRUSH COptCommunityDlg::OnCtlColor(HDC dc, HWND control, UINT message) {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN && message != WM_CTLCOLORDLG) {
        return COptCategoryDlg::OnCtlColor(dc, control, message);
    }
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

void COptCommunityDlg::OnShowWindow(bool shown) {
    if (!shown || readRequested_) {
        return;
    }
    readRequested_ = true;
    SetDlgItemTextW(Hwnd(), IDC_COMMUNITY_SUMMARY, L"Reading the community rules...");
    SetTimer(Hwnd(), kReadTimer, kReadDelayMs, nullptr);
}

void COptCommunityDlg::OnTimer(UINT_PTR id) {
    if (id != kReadTimer) {
        COptCategoryDlg::OnTimer(id);
        return;
    }
    KillTimer(Hwnd(), kReadTimer);
    ReadRules();
}

void COptCommunityDlg::ReadRules() {
    CommunityItems().EnsureLoaded();
    built_ = true;
    LoadTree();
    ShowSummary();
}

void COptCommunityDlg::RulesChanged() {
    if (!built_) {
        return; // the tab reads the new file when it is first shown
    }
    choices_.clear();
    search_.clear();
    SetDlgItemTextW(Hwnd(), IDC_COMMUNITY_SEARCH, L"");
    LoadTree();
    ShowSummary();
}

void COptCommunityDlg::ShowSummary() {
    CCommunityItems& items = CommunityItems();
    std::wstring text;
    if (items.File().empty()) {
        text = L"No community rules file (winapp2.ini) was found.";
    } else {
        text = items.Summary() + L"\r\n" + Grouped(items.ApplicableCount()) + L" of " +
               Grouped(items.ReadCount()) + L" apply to this computer: their programs are found here.";
    }
    SetDlgItemTextW(Hwnd(), IDC_COMMUNITY_SUMMARY, text.c_str());
}

void COptCommunityDlg::LoadTree() {
    if (!built_) {
        return;
    }
    choices_.clear();
    for (const SelectionItem* item : ItemsOf(ItemCategory::Community)) {
        choices_[item] = IsItemSelected(Product(), *item);
    }
    Rebuild();
    MarkLoaded();
}

void COptCommunityDlg::SaveTree() {
    if (!IsLoaded()) {
        return;
    }
    KeepChecks();
    for (const auto& [item, on] : choices_) {
        SetItemSelected(Product(), *item, on);
    }
}

void COptCommunityDlg::KeepChecks() {
    ForEachLeaf(
        [this](HTREEITEM node, const SelectionItem& item) { choices_[&item] = Tree().GetCheck(node); });
}

bool COptCommunityDlg::Matches(const SelectionItem& item) const {
    return search_.empty() || Contains(item.label, search_) || Contains(item.group, search_);
}

void COptCommunityDlg::Rebuild() {
    BuildTree([this](const SelectionItem& item) { return Matches(item); });
    ShowChecks([this](const SelectionItem& item) {
        const auto choice = choices_.find(&item);
        return choice != choices_.end() && choice->second;
    });
    const CTreeCtrl& tree = Tree();
    if (!search_.empty()) {
        // What the search found is in sight.
        for (HTREEITEM group = tree.GetChild(tree.GetRoot()); group; group = tree.GetNextSibling(group)) {
            tree.Expand(group);
        }
    }
    EnableWindow(Item(IDC_COMMUNITY_TICK_GROUP), FALSE);
}

bool COptCommunityDlg::OnCommand(int id, int code, HWND) {
    if (id == IDC_COMMUNITY_SEARCH && code == EN_CHANGE) {
        if (!built_) {
            return true;
        }
        KeepChecks();
        wchar_t text[256] = {};
        GetDlgItemTextW(Hwnd(), IDC_COMMUNITY_SEARCH, text, 256);
        search_ = text;
        Rebuild();
        return true;
    }
    if (id == IDC_COMMUNITY_TICK_GROUP && code == BN_CLICKED) {
        TickAllInSelectedGroup();
        return true;
    }
    return false;
}

bool COptCommunityDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id == IDC_OPT_TREE && header.code == TVN_SELCHANGEDW) {
        EnableWindow(Item(IDC_COMMUNITY_TICK_GROUP), SelectedGroup() ? TRUE : FALSE);
        result = 0;
        return true;
    }
    return COptCategoryDlg::OnNotify(id, header, result);
}

HTREEITEM COptCommunityDlg::SelectedGroup() const {
    const CTreeCtrl& tree = Tree();
    HTREEITEM node = tree.GetSelection();
    if (node && ItemOf(node)) {
        node = tree.GetParentItem(node);
    }
    return node && tree.GetParentItem(node) == tree.GetRoot() ? node : nullptr;
}

void COptCommunityDlg::TickAllInSelectedGroup() {
    if (HTREEITEM group = SelectedGroup()) {
        Tree().SetCheck(group, true);
        CheckChanged(group);
    }
}

bool COptCommunityDlg::MayTick(const SelectionItem& item) {
    const std::wstring& warning = CommunityItems().WarningOf(item);
    return warning.empty() || ShowMessage(Hwnd(), warning, MB_OKCANCEL | MB_ICONWARNING, item.label) == IDOK;
}

void COptCommunityDlg::CheckChanged(HTREEITEM node) {
    const CTreeCtrl& tree = Tree();
    if (!tree.GetCheck(node)) {
        COptCategoryDlg::CheckChanged(node);
        return;
    }
    // The entries this tick takes in: the node itself, or those below it not
    // ticked yet. Each one with a warning is asked about first.
    std::vector<HTREEITEM> declined;
    if (const SelectionItem* item = ItemOf(node)) {
        if (!MayTick(*item)) {
            tree.SetCheck(node, false);
            RedrawSoon();
            return;
        }
    } else {
        std::vector<HTREEITEM> entries;
        const auto collect = [&](HTREEITEM parent, const auto& self) -> void {
            for (HTREEITEM child = tree.GetChild(parent); child; child = tree.GetNextSibling(child)) {
                if (ItemOf(child)) {
                    if (!tree.GetCheck(child)) {
                        entries.push_back(child);
                    }
                } else {
                    self(child, self);
                }
            }
        };
        collect(node, collect);
        for (HTREEITEM entry : entries) {
            if (!MayTick(*ItemOf(entry))) {
                declined.push_back(entry);
            }
        }
    }
    COptCategoryDlg::CheckChanged(node);
    for (HTREEITEM entry : declined) {
        tree.SetCheck(entry, false);
    }
}

} // namespace nimbrel
