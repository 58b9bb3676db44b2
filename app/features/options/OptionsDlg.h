// The Options page: the nine category tabs with their check-box trees, the
// "Uncheck all" and "Set Default" shortcuts, the "When erasing" choice for
// the next scan, "Start Scan" and the way to the last scan's results.
#pragma once

#include "ComboBox.h"
#include "ControlPos.h"
#include "PageDialog.h"
#include "HyperLinkButton.h"
#include "Label.h"
#include "NimbrelControlApp.h"
#include "OptCategoryDlg.h"
#include "OptionsHost.h"
#include "TabCtrl.h"

#include <array>
#include <memory>
#include <string>

namespace nimbrel {

class COptCommunityDlg;

class COptionsDlg : public CPageDialog {
public:
    ~COptionsDlg() override;
    // `product` names the settings key the selection lives in.
    explicit COptionsDlg(IOptionsHost& host, std::wstring product = kProductTitle);

    // The tab whose page is shown (0 Windows ... 7 Third-party applications,
    // 8 Community).
    int CurrentTab() const { return currentTab_; }
    COptCategoryDlg& Page(int tab) { return *pages_[static_cast<size_t>(tab)]; }
    COptCommunityDlg& CommunityPage();

    // Shows a tab as the dashboard's category buttons do: the tab shown
    // before is not stored.
    void SelectTab(int tab);
    // Stores the check boxes of the shown tab (the other tabs were stored
    // when the user left them). The main window calls it before it leaves
    // the Options page.
    void StoreShownTab();
    // Every tree from the store, in tab order.
    void ReloadAllTrees();
    // Writes the factory selection and shows the dashboard again at Scan.
    void SetDefaultSelection();

    // Timer 100: reload every tree shortly (the main window's first run,
    // after it wrote the default selection).
    static constexpr UINT_PTR kReloadTimer = 100;
    void StartReloadTimer();
    // Timer 200: show and repaint the shown tab's page shortly.
    static constexpr UINT_PTR kShowTabTimer = 200;
    void StartShowTabTimer();

    // The "When erasing" choice (0 to 3) and the overwrite passes it means
    // for the scan run (0, 1, 3 or 7).
    int ErasingChoice() const;
    int OverwritePasses() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    void OnSize(UINT type, int width, int height) override;
    void OnShowWindow(bool shown) override;
    void OnDestroy() override;
    void OnDpiChanged() override;

private:
    void SetUpLabels();
    void SetUpTabs();
    // The tabs' pictures for the page's DPI.
    void LoadTabImages();
    void SetUpLayout();
    void PlacePages();
    void ShowOnlyPage(int tab);
    void SwitchToTab(int tab);

    IOptionsHost& host_;
    std::wstring product_;
    std::array<std::unique_ptr<COptCategoryDlg>, kCategoryCount> pages_;
    int currentTab_ = 0;

    CLabel title_;
    CLabel separator_;
    CLabel erasingLabel_;
    CHyperLinkButton uncheckAll_;
    CHyperLinkButton setDefault_;
    CHyperLinkButton viewResults_;
    CTabCtrl tabs_;
    win32::UniqueImageList tabImages_;
    CComboBox erasing_;
    CControlPos layout_;
};

} // namespace nimbrel
