// The scan page's set-up, its views and the events of the found-items tree.
// The scan run is in ScanRun.cpp, the cleaning run in CleaningRun.cpp.
#include "ScanPrgDlg.h"

#include "FoundItemPreview.h"
#include "FoundTreeRules.h"
#include "NimbrelControlApp.h"
#include "ShellSeams.h"
#include "resource.h"

namespace nimbrel {

namespace {

constexpr COLORREF kNavy = RGB(22, 52, 112);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The tree repaints itself once the marks have spread.
constexpr UINT_PTR kRedrawTimer = 30;
constexpr UINT kRedrawDelayMs = 30;

constexpr int kSummaryIds[] = {IDC_SUMMARY1_TEXT, IDC_SUMMARY1_VALUE, IDC_SUMMARY2_TEXT, IDC_SUMMARY2_VALUE};
constexpr int kButtonIds[] = {IDC_SCAN_NOW, IDC_STOP_SCAN, IDC_CLEAN, IDC_SCAN_BACK};

} // namespace

CScanPrgDlg::CScanPrgDlg(IWorkflowHost& host, ScanSession& session, std::wstring product)
    : CPageDialog(IDD_SCANPRG), host_(host), session_(session), product_(std::move(product)) {}

BOOL CScanPrgDlg::OnInitDialog() {
    WriteLog(L"Scan Progress");
    LayoutAtFixedDpi();
    SetUpLabels();
    tree_ = CTreeCtrl(Item(IDC_SCAN_TREE));
    // Check boxes are added once the tree exists (as on the option trees).
    const auto style = GetWindowLongPtrW(tree_.Hwnd(), GWL_STYLE);
    SetWindowLongPtrW(tree_.Hwnd(), GWL_STYLE, style | TVS_CHECKBOXES);
    SetUpLayout();
    run_.RegisterWithEngine();
    return FALSE;
}

CLabel& CScanPrgDlg::LabelOf(int id) {
    switch (id) {
    case IDC_SCAN_TITLE:
        return title_;
    case IDC_SCAN_ACTIVITY:
        return activity_;
    case IDC_SCAN_PATH:
        return path_;
    case IDC_FOUND_COUNT:
        return count_;
    case IDC_SUMMARY1_TEXT:
        return summaryText1_;
    case IDC_SUMMARY1_VALUE:
        return summaryValue1_;
    case IDC_SUMMARY2_TEXT:
        return summaryText2_;
    default:
        return summaryValue2_;
    }
}

void CScanPrgDlg::SetUpLabels() {
    for (int id : {IDC_SCAN_TITLE, IDC_SCAN_ACTIVITY, IDC_SCAN_PATH, IDC_FOUND_COUNT, IDC_SUMMARY1_TEXT,
                   IDC_SUMMARY1_VALUE, IDC_SUMMARY2_TEXT, IDC_SUMMARY2_VALUE}) {
        LabelOf(id).SubclassDlgItem(id, Hwnd());
    }
    title_.SetTextStyle(L"arial", 15, kNavy);
    title_.SetText(L"Scan && Clean");
    count_.SetTextStyle(L"arial", 10, kNavy);
    count_.SetText(L"0 item(s) found");
    activity_.SetTextStyle(L"arial", 10, kNavy);
    activity_.SetText(L"Currently Scanning :");
    path_.SetTextStyle(L"arial", 10, kNavy);
    path_.SetText(L"");
    summaryText1_.SetTextStyle(L"arial", 9, kBlack);
    summaryText2_.SetTextStyle(L"arial", 9, kBlack);
    summaryValue1_.SetTextStyle(L"arial", 9, kRed, true);
    summaryValue2_.SetTextStyle(L"arial", 9, kRed, true);
}

void CScanPrgDlg::SetUpLayout() {
    // The main window gives the page more room than its template: the tree
    // takes it, the lines below it and the buttons keep to the bottom.
    layout_.SetParent(Hwnd());
    for (int id : {IDC_SCAN_TITLE, IDC_SCAN_ACTIVITY, IDC_SCAN_PATH}) {
        layout_.AddControl(id, CControlPos::kStretchRight);
    }
    layout_.AddControl(IDC_SCAN_TREE, CControlPos::kStretchRight | CControlPos::kStretchDown);
    for (int id : {IDC_FOUND_COUNT, IDC_SUMMARY1_TEXT, IDC_SUMMARY2_TEXT}) {
        layout_.AddControl(id, CControlPos::kMoveDown | CControlPos::kStretchRight);
    }
    for (int id : kButtonIds) {
        layout_.AddControl(id, CControlPos::kMoveRight | CControlPos::kMoveDown);
    }
}

void CScanPrgDlg::OnSize(UINT, int, int) {
    layout_.MoveControls();
    PlaceSummaryValue(summaryText1_, summaryValue1_);
    PlaceSummaryValue(summaryText2_, summaryValue2_);
}

// A summary value follows its line's text, wherever the text ends.
void CScanPrgDlg::PlaceSummaryValue(const CLabel& text, const CLabel& value) const {
    if (!text || !value) {
        return;
    }
    const RECT line = text.RectInParent();
    const RECT client = ClientRect();
    const int left = line.left + text.TextWidth(text.Text()) + 2;
    value.Move(RECT{left, line.top, client.right - line.left > left ? client.right - line.left : left + 1,
                    line.bottom});
}

RECT CScanPrgDlg::ClientRect() const {
    return CWindow(Hwnd()).ClientRect();
}

void CScanPrgDlg::SetSummary(CLabel& text, const std::wstring& line, CLabel& value,
                             const std::wstring& figure) {
    text.SetText(line);
    value.SetText(figure);
    PlaceSummaryValue(text, value);
}

void CScanPrgDlg::HideButtonsAndSummaries() {
    for (int id : kButtonIds) {
        ShowWindow(Item(id), SW_HIDE);
    }
    for (int id : kSummaryIds) {
        ShowWindow(Item(id), SW_HIDE);
    }
}

void CScanPrgDlg::ShowSummaries() {
    for (int id : kSummaryIds) {
        ShowWindow(Item(id), SW_SHOW);
    }
}

void CScanPrgDlg::ShowCleanButton(const wchar_t* caption) {
    SetDlgItemTextW(Hwnd(), IDC_CLEAN, caption);
    ShowWindow(Item(IDC_CLEAN), SW_SHOW);
    ShowWindow(Item(IDC_SCAN_BACK), SW_SHOW);
}

void CScanPrgDlg::ShowResultsView() {
    title_.SetText(L"Scan Results");
    ShowWindow(Item(IDC_SCAN_NOW), SW_HIDE);
    tree_.Show(true);
    activity_.Show(true);
    count_.Show(true);
    path_.Show(false);
}

void CScanPrgDlg::OnShowWindow(bool shown) {
    // Whenever the page comes back with results waiting, it shows them.
    if (shown && !host_.IsDashboardShown()) {
        ShowResultsView();
    }
}

bool CScanPrgDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
    case IDC_SCAN_NOW:
        RunScan();
        return true;
    case IDC_STOP_SCAN:
        StopScan();
        return true;
    case IDC_CLEAN:
        OnClean();
        return true;
    case IDC_SCAN_BACK:
        host_.ShowOptionsPage();
        return true;
    default:
        return false;
    }
}

bool CScanPrgDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id != IDC_SCAN_TREE) {
        return false;
    }
    // The tree toggles a box after telling us of the click or key, so the
    // marks spread from a posted message. A double click toggles the box
    // again on some systems: spreading is safe either way.
    if (header.code == NM_CLICK || header.code == NM_DBLCLK) {
        if (HTREEITEM node = tree_.CheckBoxAtMessagePos()) {
            PostMessageW(Hwnd(), kCheckChangeMessage, IDC_SCAN_TREE, reinterpret_cast<LPARAM>(node));
        }
        result = 0;
        return true;
    }
    if (header.code == TVN_KEYDOWN && reinterpret_cast<NMTVKEYDOWN&>(header).wVKey == VK_SPACE) {
        if (HTREEITEM selected = tree_.GetSelection()) {
            PostMessageW(Hwnd(), kCheckChangeMessage, IDC_SCAN_TREE, reinterpret_cast<LPARAM>(selected));
        }
        result = 0;
        return true;
    }
    if (header.code == TVN_SELCHANGEDW) {
        OnSelectionChanged();
        return true;
    }
    return false;
}

void CScanPrgDlg::OnCheckChange(HTREEITEM node) {
    if (!node || run_.IsRunning() || cleaning_) {
        return;
    }
    // Marks spread through thousands of found items: the tree paints once,
    // when they are all set.
    tree_.Send(WM_SETREDRAW, FALSE);
    const CheckChange change =
        SpreadCheckMark(tree_, node, [](bool checked) { WriteLog(checked ? L"Check All" : L"UnCheck All"); });
    tree_.Send(WM_SETREDRAW, TRUE);
    if (change == CheckChange::RecycleBinKeptWhole) {
        tree_.Redraw();
        ShowMessage(Hwnd(), L"You can't perform selective cleaning for Recycle bin", MB_OK);
        return;
    }
    SetTimer(Hwnd(), kRedrawTimer, kRedrawDelayMs, nullptr);
}

void CScanPrgDlg::OnSelectionChanged() {
    tree_.Redraw();
    const HTREEITEM selected = tree_.GetSelection();
    if (!selected || tree_.HasChildren(selected)) {
        return; // a category, application or item node: the picture stays
    }
    host_.HidePreviewPanel();
    tree_.Redraw();
    const std::wstring picture = PreviewPictureFor(tree_.GetItemText(selected));
    if (!picture.empty() && host_.ShowPreviewImage(picture)) {
        TellParentOfWheel(tree_.Hwnd()); // the wheel hides the picture
    }
}

void CScanPrgDlg::OnTimer(UINT_PTR id) {
    if (id == kRedrawTimer) {
        KillTimer(Hwnd(), kRedrawTimer);
        RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        tree_.Redraw();
    }
}

bool CScanPrgDlg::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case kFoundItemMessage:
        ShowFoundItem(reinterpret_cast<const wchar_t*>(lParam));
        result = 0;
        return true;
    case kCategoryResultMessage:
        if (lParam) {
            categoryResults_.push_back(*reinterpret_cast<const CResultslist*>(lParam));
        }
        result = 0;
        return true;
    case kCheckChangeMessage:
        OnCheckChange(reinterpret_cast<HTREEITEM>(lParam));
        result = TRUE;
        return true;
    case WM_MOUSEWHEEL:
        // The picture of a found item would stay while the tree scrolls away.
        host_.HidePreviewPanel();
        StopTellingParentOfWheel(tree_.Hwnd());
        tree_.Redraw();
        return false;
    case WM_DESTROY:
        if (tree_) {
            // The tree made the check-box pictures when the style was added
            // and does not free them itself.
            if (HIMAGELIST states = TreeView_GetImageList(tree_.Hwnd(), TVSIL_STATE)) {
                TreeView_SetImageList(tree_.Hwnd(), nullptr, TVSIL_STATE);
                ImageList_Destroy(states);
            }
        }
        return false;
    default:
        return false;
    }
}

} // namespace nimbrel
