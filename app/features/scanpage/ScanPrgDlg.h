// The scan page: runs a scan of the selected items, shows every trace the
// engine finds as a ticked leaf of the found-items tree (category,
// application, item, found item), counts them, writes each category's
// figures for the results report, and cleans what the user leaves ticked.
// Scans and cleaning runs happen on the user-interface thread; the engine's
// process-message callback keeps the window alive and lets Stop Scan in.
#pragma once

#include "ControlPos.h"
#include "PageDialog.h"
#include "win32/GdiHandles.h"
#include "Label.h"
#include "ReportFigures.h"
#include "ScanFigures.h"
#include "ScanRun.h"
#include "TreeCtrl.h"
#include "WorkflowHost.h"

#include <array>
#include <string>
#include <optional>
#include <vector>

namespace nimbrel {

class CScanPrgDlg : public CPageDialog, private IScanObserver {
public:
    // `product` names the settings key (selection, figures, preferences).
    CScanPrgDlg(IWorkflowHost& host, ScanSession& session, std::wstring product);

    // Private messages of the page.
    static constexpr UINT kFoundItemMessage = 1554;      // wParam 1, lParam the found-item text
    static constexpr UINT kCategoryResultMessage = 1556; // lParam a CResultslist
    static constexpr UINT kCheckChangeMessage = WM_APP;  // wParam the tree's id, lParam the node

    // A scan of the stored selection, from "Scan Now" or the Options page's
    // "Start Scan". Returns when the run has ended.
    void RunScan();
    bool IsScanRunning() const { return run_.IsRunning(); }

    // The results of the last run, one record per category in category
    // order once a run has ended.
    const std::vector<CResultslist>& CategoryResults() const { return categoryResults_; }
    unsigned long long FoundCount() const { return run_.FoundCount(); }
    CTreeCtrl& FoundTree() { return tree_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    void OnSize(UINT type, int width, int height) override;
    void OnShowWindow(bool shown) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // Set-up and views (ScanPrgDlg.cpp).
    void SetUpLabels();
    void SetUpLayout();
    RECT ClientRect() const;
    void PlaceSummaryValue(const CLabel& text, const CLabel& value) const;
    void SetSummary(CLabel& text, const std::wstring& line, CLabel& value, const std::wstring& figure);
    void HideButtonsAndSummaries();
    void ShowSummaries();
    void ShowCleanButton(const wchar_t* caption);
    void ShowResultsView();
    void OnCheckChange(HTREEITEM node);
    void OnSelectionChanged();

    // The scan run as the page shows it (ScanPrgDlgScan.cpp).
    void CategoryStarted(ItemCategory category) override;
    void GroupStarted(const ScanGroup& group) override;
    void GroupEnded(const ScanGroup& group) override;
    void ItemStarted(const SelectionItem& item) override;
    void FoundItem(const std::wstring& text, unsigned long long count) override;
    void ItemEnded(const SelectionItem& item) override;
    void CategoryEnded(ItemCategory category, const CResultslist& record) override;
    void ProcessMessages() override;
    void PumpMessages();
    void CloseNode(HTREEITEM node);
    void ShowFoundItem(const wchar_t* text);
    void ShowFoundProgress();
    void StopScan();
    void EndScan(bool minimised);
    void ExpandCategories();
    void ShowCompleted();
    void ShowNothingFound();
    void ShowStopped();

    // The Clean button (ScanPrgDlgClean.cpp).
    void OnClean();
    void CleanChosenItems();
    void LeaveForDashboard();
    void EnableDuringCleaning(bool enabled);

    CLabel& LabelOf(int id);

    IWorkflowHost& host_;
    ScanSession& session_;
    std::wstring product_;

    CTreeCtrl tree_;
    CLabel title_, activity_, path_, count_;
    CLabel summaryText1_, summaryValue1_, summaryText2_, summaryValue2_;
    CControlPos layout_;

    // The run.
    CScanRun run_{product_, *this};
    bool cleaning_ = false;
    HTREEITEM currentItemNode_ = nullptr;
    HTREEITEM currentGroupNode_ = nullptr;
    HTREEITEM currentCategoryNode_ = nullptr;
    std::vector<CResultslist> categoryResults_;
    // The path and count labels follow the found items a few times a
    // second: painting them for every one of thousands of items would cost
    // more than finding them.
    std::wstring lastFoundText_;
    ULONGLONG labelsShownAt_ = 0;
    ULONGLONG pumpedAt_ = 0;
    std::optional<int> quitDuringRun_; // a WM_QUIT's exit code, posted again when the run ends
};

} // namespace nimbrel
