// The navigation column on the left of the main window: four large image
// buttons (Scan, Options, Shred, Statistics), the one of the page shown
// drawn selected.
#pragma once

#include "DialogBase.h"
#include "win32/GdiHandles.h"
#include "XPButton.h"

#include <array>

namespace nimbrel {

enum class NavPage { Scan = 1, Options = 2, Shred = 3, Statistics = 4 };

// What the navigation asks of the window holding the pages.
class INavigationHost {
public:
    virtual ~INavigationHost() = default;
    // Hides every page (the shown one is left first).
    virtual void HideAllPages() = 0;
    virtual void ShowPage(NavPage page) = 0;
};

class CLFrameDlg : public CDialogBase {
public:
    explicit CLFrameDlg(INavigationHost& host);

    // Move the user to a page, as a press on its button does.
    void ShowScanPage() { Press(NavPage::Scan); }
    void ShowOptionsPage() { Press(NavPage::Options); }
    void ShowShredPage() { Press(NavPage::Shred); }
    void ShowStatisticsPage() { Press(NavPage::Statistics); }

    // Logs the press; unless the page is shown already, selects its button
    // and shows the page in place of the others.
    void Press(NavPage page);
    // The next press shows its page afresh, even the page shown now (the
    // Scan button's page changes between dashboard and scan page).
    void ForgetCurrentPage() { currentPage_ = NavPage::Options; }

    NavPage CurrentPage() const { return currentPage_; }
    HWND Button(NavPage page) const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnEraseBackground(HDC dc) override;
    void OnDpiChanged() override;

private:
    void SelectButton(NavPage page);

    INavigationHost& host_;
    NavPage currentPage_ = NavPage::Options;
    std::array<CXPButton, 4> buttons_;
    win32::UniqueBitmap background_;
};

} // namespace nimbrel
