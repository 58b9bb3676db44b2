// The scan page's side of a scan run: the tree of found items as they
// arrive, the labels that follow the run, Stop Scan, and the view of each
// way a run ends. The run itself (ScanRun.cpp) knows no window.
#include "ScanPrgDlg.h"

#include "FoundItemPreview.h"
#include "MessagePump.h"
#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "ShellSeams.h"
#include "resource.h"
#include "win32/Text.h"

namespace nimbrel {

namespace {

constexpr COLORREF kNavy = RGB(22, 52, 112);
constexpr COLORREF kRed = RGB(255, 0, 0);
// The path and count labels follow the found items this often at most.
constexpr ULONGLONG kProgressIntervalMs = 100;
// The engine asks after every entry it visits; the queue is looked at this
// often at most. A look costs a trip to the window system, a thousand
// entries can pass in the time, and a click still waits no longer than this.
constexpr ULONGLONG kPumpIntervalMs = 10;

} // namespace

void CScanPrgDlg::ProcessMessages() {
    const ULONGLONG now = GetTickCount64();
    if (now - pumpedAt_ < kPumpIntervalMs) {
        return;
    }
    pumpedAt_ = now;
    PumpMessages();
}

void CScanPrgDlg::PumpMessages() {
    // Keyboard navigation of the window first, as its own loop would.
    if (const auto quitCode = DispatchWaitingMessages(GetAncestor(Hwnd(), GA_ROOT))) {
        // The program is asked to end: the scan stops, and the request goes
        // on once the run is over.
        quitDuringRun_ = quitCode;
        run_.Stop();
    }
}

void CScanPrgDlg::RunScan() {
    if (run_.IsRunning() || cleaning_ || !Hwnd()) {
        return;
    }
    // An update that is about to be installed ends the program: no run may
    // start under it.
    if (!theApp.runs.BeginRun()) {
        WriteLog(L"Scan not started: an update is being installed");
        return;
    }
    CActivityLog::KeptOpen keepLogOpen(theApp.log);
    const bool minimise = GetInt(product_, L"Minimise") == 1;
    if (minimise) {
        host_.MinimiseMainWindow();
    }
    categoryResults_.clear();
    activity_.SetFontBold(false);
    session_.scanStarted = true;
    session_.atRestart.clear(); // a new scan's results say nothing of the last cleaning
    title_.SetText(L"Scan Results");
    count_.SetTextColor(kNavy);
    count_.SetText(L"0 item(s) found");
    summaryValue2_.SetText(L"");
    host_.EnableNavigation(false);
    tree_.Enable(false);
    StopTellingParentOfWheel(tree_.Hwnd());
    tree_.DeleteAllItems();
    HideButtonsAndSummaries();
    host_.ShowScanPageInPlaceOfDashboard();
    tree_.Show(true);
    activity_.Show(true);
    path_.SetText(L"");
    lastFoundText_.clear();
    path_.Show(true);
    count_.Show(true);
    ShowWindow(Item(IDC_STOP_SCAN), SW_SHOW);

    run_.Run(host_.OverwritePasses());

    host_.EnableNavigation(true);
    tree_.Enable(true);
    EndScan(minimise);
    theApp.runs.EndRun();
    if (quitDuringRun_) {
        PostQuitMessage(*quitDuringRun_);
        quitDuringRun_.reset();
    }
}

void CScanPrgDlg::CategoryStarted(ItemCategory category) {
    currentCategoryNode_ = tree_.InsertItem(LabelsOf(category).scanNode, TVI_ROOT, TVI_LAST);
    currentGroupNode_ = currentCategoryNode_;
}

void CScanPrgDlg::GroupStarted(const ScanGroup& group) {
    // Windows: its items hang under the category itself.
    currentGroupNode_ = group.nodeText ? tree_.InsertItem(group.nodeText, currentCategoryNode_, TVI_LAST)
                                       : currentCategoryNode_;
}

void CScanPrgDlg::GroupEnded(const ScanGroup& group) {
    if (group.nodeText) {
        CloseNode(currentGroupNode_);
    }
    currentGroupNode_ = currentCategoryNode_;
}

void CScanPrgDlg::ItemStarted(const SelectionItem& item) {
    activity_.SetText(ActivityText(item));
    currentItemNode_ = tree_.InsertItem(item.nodeText, currentGroupNode_, TVI_LAST);
}

void CScanPrgDlg::FoundItem(const std::wstring& text, unsigned long long) {
    if (!currentItemNode_) {
        return;
    }
    tree_.InsertCheckedItem(text, currentItemNode_);
    SendMessageW(Hwnd(), kFoundItemMessage, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

void CScanPrgDlg::ItemEnded(const SelectionItem&) {
    ShowFoundProgress();
    CloseNode(currentItemNode_);
    currentItemNode_ = nullptr;
}

void CScanPrgDlg::CategoryEnded(ItemCategory, const CResultslist& record) {
    CloseNode(currentCategoryNode_);
    currentItemNode_ = currentGroupNode_ = currentCategoryNode_ = nullptr;
    SendMessageW(Hwnd(), kCategoryResultMessage, 0, reinterpret_cast<LPARAM>(&record));
}

// A node whose part of the run is over: ticked, or gone when nothing was
// found below it.
void CScanPrgDlg::CloseNode(HTREEITEM node) {
    if (!node) {
        return;
    }
    if (tree_.HasChildren(node)) {
        tree_.SetCheck(node, true);
    } else {
        tree_.DeleteItem(node);
    }
}

void CScanPrgDlg::ShowFoundItem(const wchar_t* text) {
    lastFoundText_ = text ? text : L"";
    const unsigned long long found = run_.FoundCount();
    if (found == 1) {
        count_.SetTextColor(kRed);
    }
    if (found == 1 || GetTickCount64() - labelsShownAt_ >= kProgressIntervalMs) {
        ShowFoundProgress();
    }
}

void CScanPrgDlg::ShowFoundProgress() {
    labelsShownAt_ = GetTickCount64();
    count_.SetText(CountText(static_cast<long long>(run_.FoundCount())) + L" item(s) found");
    path_.SetText(win32::WithControlsShown(lastFoundText_, win32::ControlCharacters::Marked));
}

void CScanPrgDlg::StopScan() {
    if (!run_.IsRunning()) {
        return;
    }
    WriteLog(L"Scanning stopped by user");
    if (ShowMessage(Hwnd(), L"Scanning has been interrupted. Do you want to stop the scan?",
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return; // the scan goes on from the entry it was at
    }
    run_.Stop();
    HideButtonsAndSummaries();
    host_.ShowScanPageInPlaceOfDashboard();
    if (run_.FoundCount() == 0) {
        host_.SetDashboardShown(true);
        ShowMessage(Hwnd(), L"No files found in area(s) you have selected in scan.",
                    MB_OK | MB_ICONEXCLAMATION, L"Stopped Scan");
        host_.ShowScanPage(true);
    } else {
        ShowCleanButton(L"Clean");
    }
}

void CScanPrgDlg::EndScan(bool minimised) {
    if (run_.WasStopped()) {
        ShowStopped();
        return;
    }
    if (!run_.AnySelected()) {
        host_.SetDashboardShown(true);
        host_.ShowOptionsPage();
        ShowMessage(Hwnd(), L"You must select atleast one item on Options page to perform the scan.",
                    MB_OK | MB_ICONEXCLAMATION, L"No Item Selected");
    } else if (run_.FoundCount() == 0) {
        ShowNothingFound();
    } else {
        ShowCompleted();
    }
    WriteLog(L"SCanning Completed");
    if (minimised) {
        host_.RestoreMainWindow();
    }
}

void CScanPrgDlg::ExpandCategories() {
    for (HTREEITEM category = tree_.GetRoot(); category; category = tree_.GetNextSibling(category)) {
        tree_.Expand(category);
    }
}

void CScanPrgDlg::ShowCompleted() {
    activity_.SetFontBold(true);
    activity_.SetText(L"Scanning completed successfully. Click CLEAN button to perform cleaning now.");
    path_.Show(false);
    HideButtonsAndSummaries();
    ShowSummaries();
    SetSummary(summaryText1_, L"Total space Nimbrel ready to recover: ", summaryValue1_,
               RecoverableSpaceText(run_.TotalKilobytes()));
    SetSummary(summaryText2_, L"Total unwanted/junk files Nimbrel is ready to clean: ", summaryValue2_,
               JunkFilesText(run_.FoundCount()));
    ShowCleanButton(L"Clean");
    ExpandCategories();
    host_.SetDashboardShown(false);
}

void CScanPrgDlg::ShowNothingFound() {
    host_.SetDashboardShown(true);
    HideButtonsAndSummaries();
    count_.Show(false);
    tree_.Show(false);
    ShowSummaries();
    ShowCleanButton(L"Ok");
    summaryValue1_.SetText(L"");
    summaryValue1_.Show(false);
    summaryValue2_.SetText(L"");
    summaryValue2_.Show(false);
    path_.SetText(L"");
    path_.Show(false);
    summaryText1_.SetText(L"Recommendation: we recommend you to perform cleaning at least once every week.");
    summaryText2_.SetText(L"Click Back button to go back to Options page, Ok to back to main page.");
    activity_.SetText(L"Current scan has not found any tracks to be cleaned in the areas you have selected "
                      L"from Options page.");
}

void CScanPrgDlg::ShowStopped() {
    activity_.SetText(L"Scanning has been interrupted by user. Click CLEAN button to perform cleaning now.");
    ShowFoundProgress();
    path_.SetText(L"");
    HideButtonsAndSummaries();
    ShowCleanButton(L"Clean");
    if (run_.FoundCount() > 0) {
        // What was found so far stays within reach of the Scan button.
        host_.SetDashboardShown(false);
        ExpandCategories();
    }
}

} // namespace nimbrel
