// The dashboard: the page the Scan button shows while no scan results are
// waiting. The eight item categories as icon buttons with a line each,
// under "Erase Evidence"; every icon and line opens the Options page at its
// category's tab, and "SCAN NOW" opens the Options page as it was, where
// "Start Scan" starts the scan.
#pragma once

#include "ControlPos.h"
#include "PageDialog.h"
#include "win32/GdiHandles.h"
#include "ItemSelection.h"
#include "Label.h"
#include "XPButton.h"

#include <array>

namespace nimbrel {

// What the dashboard asks of the window holding it.
class IDashboardHost {
public:
    // The Options page, at the tab of `category` (0 to 7), or as it was
    // when `category` is negative.
    virtual void ShowOptionsAt(int category) = 0;

protected:
    ~IDashboardHost() = default;
};

class CScanDefaultDlg : public CPageDialog {
public:
    explicit CScanDefaultDlg(IDashboardHost& host);

    int LastCategory() const { return lastCategory_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnControlHover(int id, bool entered) override;
    void OnSize(UINT type, int width, int height) override;

private:
    void OpenCategory(int category, bool fromDescription);
    void ShowNormalLook(int category);

    IDashboardHost& host_;
    CLabel heading_;
    std::array<CXPButton, kBuiltInCategoryCount> icons_;
    std::array<CLabel, kBuiltInCategoryCount> descriptions_;
    CControlPos layout_;
    int lastCategory_ = 0;
    int hoveredCategory_ = -1;
};

} // namespace nimbrel
