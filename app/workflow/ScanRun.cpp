// The scan run: every selected item of the selection table, category by
// category, on the user-interface thread. The engine reports each trace it
// finds through the scan callback, which hangs it as a ticked leaf under
// the running item's node, and calls the process-message callback after
// every entry it visits, which keeps the window alive and lets Stop Scan in.
#include "ScanPrgDlg.h"

#include "ItemSelection.h"
#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "ShellSeams.h"
#include "resource.h"
#include "scrubcore/Scrubcore.h"

#include <algorithm>

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

// The engine's callbacks are plain functions: they reach the one scan page
// of the program through this.
CScanPrgDlg* scanPage = nullptr;

} // namespace

struct ScanCallbacks {
    static int FoundItem(BSTR text, int) {
        if (scanPage && text) {
            scanPage->OnFoundItem(text, SysStringLen(text));
        }
        return 1;
    }
    static int ProcessMessages() {
        if (scanPage) {
            scanPage->PumpMessages();
        }
        return 1;
    }
};

CScanPrgDlg::~CScanPrgDlg() {
    UnregisterFromEngine();
}

void CScanPrgDlg::RegisterWithEngine() {
    scanPage = this;
    Scrubcore_SetProcessMessage(&ScanCallbacks::ProcessMessages);
    Scrubcore_SetScanCallBack(&ScanCallbacks::FoundItem);
}

void CScanPrgDlg::UnregisterFromEngine() {
    if (scanPage != this) {
        return;
    }
    Scrubcore_SetScanCallBack(nullptr);
    Scrubcore_SetProcessMessage(nullptr);
    scanPage = nullptr;
}

void CScanPrgDlg::PumpMessages() {
    const ULONGLONG now = GetTickCount64();
    if (now - pumpedAt_ < kPumpIntervalMs) {
        return;
    }
    pumpedAt_ = now;
    // Keyboard navigation of the window first, as its own loop would.
    const HWND window = GetAncestor(Hwnd(), GA_ROOT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program is asked to end: the scan stops, and the request
            // goes on once the run is over.
            quitDuringRun_ = true;
            scanRunning_ = false;
            Privacy_StopScan(1);
            break;
        }
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void CScanPrgDlg::RunScan() {
    if (scanRunning_ || !Hwnd()) {
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
    WriteLog(L"Started Scaning");
    activity_.SetFontBold(false);
    session_.scanStarted = true;
    SetString(product_, L"cleaned", L"false");
    host_.ResetStatistics();
    title_.SetText(L"Scan Results");
    scanRunning_ = true;
    count_.SetTextColor(kNavy);
    count_.SetText(L"0 item(s) found");
    summaryValue2_.SetText(L"");
    // A scan only reports: it never deletes, whatever the engine was left at.
    Privacy_CheckDelete(0);
    Privacy_StopScan(0);
    host_.EnableNavigation(false);
    tree_.Enable(false);
    tree_.DeleteAllItems();
    foundCount_ = 0;
    totalFoundSize_ = 0;
    HideButtonsAndSummaries();
    host_.ShowScanPageInPlaceOfDashboard();
    tree_.Show(true);
    activity_.Show(true);
    path_.SetText(L"");
    path_.Show(true);
    count_.Show(true);
    ShowWindow(Item(IDC_STOP_SCAN), SW_SHOW);
    groupSelected_.fill(false);

    // One size count for the whole run: a trace that items of two
    // categories reach is shown and measured once, under the first.
    Privacy_ClearFilesSize();
    Scrubcore_NoofTimesOverwrite(host_.OverwritePasses());
    for (int category = 0; category < kCategoryCount; ++category) {
        ScanCategory(static_cast<ItemCategory>(category));
    }

    SetString(product_, L"tts", KilobytesText(totalFoundSize_));
    const std::wstring found = CountText(static_cast<long long>(foundCount_));
    SetString(product_, L"ttf", found);
    SetString(product_, L"showerrs", found);
    host_.EnableNavigation(true);
    tree_.Enable(true);
    EndScan(minimise);
    theApp.runs.EndRun();
    if (quitDuringRun_) {
        quitDuringRun_ = false;
        PostQuitMessage(0);
    }
}

void CScanPrgDlg::ScanCategory(ItemCategory category) {
    CResultslist record;
    const CategoryLabels labels = LabelsOf(category);
    currentCategoryNode_ = tree_.InsertItem(labels.scanNode, TVI_ROOT, TVI_LAST);
    currentGroupNode_ = currentCategoryNode_;
    WriteLog(labels.scanNode);
    const double sizeAtStart = EngineKilobytes();
    const unsigned long long foundAtStart = foundCount_;

    const ScanGroup* group = nullptr;
    for (const SelectionItem* item : ItemsOf(category)) {
        const ScanGroup& itemGroup = ScanGroupOf(*item);
        if (&itemGroup != group) {
            if (group && currentGroupNode_ != currentCategoryNode_) {
                CloseNode(currentGroupNode_);
            }
            group = &itemGroup;
            OpenGroup(itemGroup);
        }
        ScanItem(*item);
    }

    const double size = EngineKilobytes() - sizeAtStart;
    totalFoundSize_ += size;
    const auto found = static_cast<long long>(foundCount_ - foundAtStart);
    const bool selected = groupSelected_[static_cast<size_t>(category)];
    SetString(product_, FigureValueName(category, Figure::SpaceFound),
              selected ? KilobytesText(size) : kNoFigure);
    SetString(product_, FigureValueName(category, Figure::FilesFound),
              selected ? CountText(found) : kNoFigure);
    if (currentGroupNode_ != currentCategoryNode_) {
        CloseNode(currentGroupNode_);
    }
    CloseNode(currentCategoryNode_);
    currentItemNode_ = nullptr;
    currentGroupNode_ = currentCategoryNode_ = nullptr;
    SendMessageW(Hwnd(), kCategoryResultMessage, 0, reinterpret_cast<LPARAM>(&record));
}

void CScanPrgDlg::OpenGroup(const ScanGroup& group) {
    if (!group.nodeText) {
        currentGroupNode_ = currentCategoryNode_; // Windows: items hang under the category
        return;
    }
    currentGroupNode_ = tree_.InsertItem(group.nodeText, currentCategoryNode_, TVI_LAST);
    WriteLog(std::wstring(LabelsOf(group.category).scanNode) + L" - " + group.nodeText);
}

void CScanPrgDlg::ScanItem(const SelectionItem& item) {
    if (!scanRunning_ || !IsItemScanned(product_, item)) {
        return;
    }
    groupSelected_[static_cast<size_t>(item.category)] = true;
    const std::wstring name = SelectionValueName(item);
    WriteLog(name);
    activity_.SetText(ActivityText(item));
    currentItemNode_ = tree_.InsertItem(item.nodeText, currentGroupNode_, TVI_LAST);
    item.operation(0);
    ShowFoundProgress();
    CloseNode(currentItemNode_);
    currentItemNode_ = nullptr;
    WriteLog(name + L" - done");
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

void CScanPrgDlg::OnFoundItem(const wchar_t* text, size_t length) {
    if (!currentItemNode_) {
        return; // reported outside any item of this run
    }
    const std::wstring found(text, length);
    tree_.InsertCheckedItem(found, currentItemNode_);
    ++foundCount_;
    SendMessageW(Hwnd(), kFoundItemMessage, 1, reinterpret_cast<LPARAM>(found.c_str()));
}

void CScanPrgDlg::ShowFoundItem(const wchar_t* text) {
    lastFoundText_ = text ? text : L"";
    if (foundCount_ == 1) {
        count_.SetTextColor(kRed);
    }
    WriteLog(CountText(static_cast<long long>(foundCount_)) + L" item(s) found");
    if (foundCount_ == 1 || GetTickCount64() - labelsShownAt_ >= kProgressIntervalMs) {
        ShowFoundProgress();
    }
}

void CScanPrgDlg::ShowFoundProgress() {
    labelsShownAt_ = GetTickCount64();
    count_.SetText(CountText(static_cast<long long>(foundCount_)) + L" item(s) found");
    path_.SetText(lastFoundText_);
}

void CScanPrgDlg::StopScan() {
    if (!scanRunning_) {
        return;
    }
    WriteLog(L"Scanning stopped by user");
    if (ShowMessage(Hwnd(), L"Scanning has been interrupted. Do you want to stop the scan?",
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return; // the scan goes on from the entry it was at
    }
    Privacy_StopScan(1);
    HideButtonsAndSummaries();
    host_.ShowScanPageInPlaceOfDashboard();
    if (foundCount_ == 0) {
        host_.SetDashboardShown(true);
        ShowMessage(Hwnd(), L"No files found in area(s) you have selected in scan.",
                    MB_OK | MB_ICONEXCLAMATION, L"Stopped Scan");
        host_.ShowScanPage(true);
    } else {
        ShowCleanButton(L"Clean");
    }
    scanRunning_ = false;
}

void CScanPrgDlg::EndScan(bool minimised) {
    if (!scanRunning_) {
        ShowStopped();
        return;
    }
    scanRunning_ = false;
    const bool anySelected =
        std::find(groupSelected_.begin(), groupSelected_.end(), true) != groupSelected_.end();
    if (!anySelected) {
        host_.SetDashboardShown(true);
        host_.ShowOptionsPage();
        ShowMessage(Hwnd(), L"You must select atleast one item on Options page to perform the scan.",
                    MB_OK | MB_ICONEXCLAMATION, L"No Item Selected");
    } else if (foundCount_ == 0) {
        ShowNothingFound();
    } else {
        ShowCompleted();
    }
    WriteLog(L"SCanning Completed");
    if (minimised) {
        host_.RestoreMainWindow();
    }
}

void CScanPrgDlg::ShowCompleted() {
    activity_.SetFontBold(true);
    activity_.SetText(L"Scanning completed successfully. Click CLEAN button to perform cleaning now.");
    path_.Show(false);
    HideButtonsAndSummaries();
    ShowSummaries();
    SetSummary(summaryText1_, L"Total space Nimbrel ready to recover: ", summaryValue1_,
               RecoverableSpaceText(totalFoundSize_));
    SetSummary(summaryText2_, L"Total unwanted/junk files Nimbrel is ready to clean: ", summaryValue2_,
               JunkFilesText(foundCount_));
    ShowCleanButton(L"Clean");
    for (HTREEITEM category = tree_.GetRoot(); category; category = tree_.GetNextSibling(category)) {
        tree_.Expand(category);
    }
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
    if (foundCount_ > 0) {
        // What was found so far stays within reach of the Scan button.
        host_.SetDashboardShown(false);
        for (HTREEITEM category = tree_.GetRoot(); category; category = tree_.GetNextSibling(category)) {
            tree_.Expand(category);
        }
    }
}

} // namespace nimbrel
