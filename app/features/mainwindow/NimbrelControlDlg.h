// The main window: a green header with the banner, Help, About and the
// version, the navigation column on the left, and the pages, of which one
// is shown at a time. It starts the automatic update check and refuses to
// close while a scan or cleaning run is under way.
#pragma once

#include "Advancedshred.h"
#include "ControlPos.h"
#include "DialogBase.h"
#include "win32/GdiHandles.h"
#include "LFrameDlg.h"
#include "Label.h"
#include "OptionsDlg.h"
#include "OptionsHost.h"
#include "ReportFigures.h"
#include "ResultsDld.h"
#include "ScanDefaultDlg.h"
#include "ScanPrgDlg.h"
#include "SplashScrDlg.h"
#include "StatisticsDlg.h"
#include "WorkflowHost.h"
#include "XPButton.h"

#include <array>

namespace nimbrel {

class CNimbrelControlDlg : public CDialogBase,
                           public INavigationHost,
                           public IOptionsHost,
                           public IWorkflowHost,
                           public IDashboardHost {
public:
    // The splash stays this long before the window appears.
    explicit CNimbrelControlDlg(UINT splashMilliseconds = CSplashScrDlg::kDefaultMilliseconds);

    static constexpr UINT_PTR kUpdateTimer = 100;
    static constexpr UINT kUpdateDelayMs = 100;
    // Places in pixels of the client area at 96 DPI: the pages, and the preview
    // panel over the scan page's tree.
    static constexpr RECT kPagePlace{195, 120, 865, 560};
    static constexpr RECT kPreviewPlace{255, 205, 625, 440};

    CLFrameDlg& LeftFrame() { return leftFrame_; }

    // While set, the Scan button shows the dashboard; while clear, the scan
    // page with its results.
    void SetDashboardShown(bool shown) override { dashboardShown_ = shown; }
    bool IsDashboardShown() const override { return dashboardShown_; }

    // The page window of each navigation page as shown now (Scan: the
    // dashboard or the scan page).
    HWND PageWindow(NavPage page) const;
    HWND PreviewPanel() const { return previewPanel_.Hwnd(); }
    const CStatisticsDlg& Preview() const { return previewPanel_; }
    COptionsDlg& OptionsPage() { return optionsPage_; }
    CAdvancedshred& ShredPage() { return shredPage_; }
    CScanPrgDlg& ScanPage() { return scanPage_; }
    CResultsDld& ResultsPage() { return resultsPage_; }

    void HideAllPages() override;
    void ShowPage(NavPage page) override;

    void StartScanFromOptions() override;
    void ShowLastScanResults() override;
    void SetDashboardFlag() override { dashboardShown_ = true; }

    // What the workflow's pages and the dashboard ask of the window.
    void ShowOptionsPage() override;
    void ShowScanPage(bool evenIfShown = false) override;
    void ShowStatisticsPage() override;
    void ShowScanPageInPlaceOfDashboard() override;
    void EnableNavigation(bool enabled) override;
    void MinimiseMainWindow() override;
    void RestoreMainWindow() override;
    void HidePreviewPanel() override;
    bool ShowPreviewImage(const std::wstring& path) override;
    int OverwritePasses() const override;
    void ResetStatistics() override;
    void ShowOptionsAt(int category) override;

    void Help();
    void About();
    // The system menu's "Update Community Rules": fetches the newest rules
    // file and shows its entries on the Community tab.
    void UpdateCommunityRules();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    void OnSize(UINT type, int width, int height) override;
    bool OnEraseBackground(HDC dc) override;
    bool OnPaint(HDC dc, const RECT& area) override;
    void OnShowWindow(bool shown) override;
    void OnDpiChanged() override;
    // Escape (the hidden Cancel button) must not end the program.
    void OnCancel() override {}
    void OnOK() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void CreatePages();
    void CreatePage(CDialogBase& page, int id, const RECT& at96Dpi = kPagePlace);
    void WriteDefaultSelectionOnFirstRun();
    // The banner and the window's icons for the window's DPI.
    void LoadImages();
    void OnClose();
    // Every page window, shown or not.
    std::array<HWND, 6> AllPages() const;

    UINT splashMilliseconds_;
    bool dashboardShown_ = false;

    CLFrameDlg leftFrame_{*this};
    COptionsDlg optionsPage_{*this};
    ScanSession session_;
    CScanPrgDlg scanPage_;
    CScanDefaultDlg dashboard_{*this};
    CAdvancedshred shredPage_;
    CStatisticsDlg previewPanel_;
    CResultsDld resultsPage_;

    CXPButton helpButton_;
    CXPButton aboutButton_;
    CLabel versionLabel_;
    CControlPos layout_;
    win32::UniqueBitmap banner_;
    HICON bigIcon_ = nullptr; // shared resource icons: never destroyed
    HICON smallIcon_ = nullptr;
};

} // namespace nimbrel
