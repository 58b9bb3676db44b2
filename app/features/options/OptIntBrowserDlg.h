// The Internet Browsers tab: its tree and, below it, what the browsers'
// databases keep: the "Compact browser databases" option (stored as soon as
// it is clicked) and the way to the list of sites whose cookies stay.
#pragma once

#include "ControlPos.h"
#include "CookiesToKeepDlg.h"
#include "OptCategoryDlg.h"

#include <string>

namespace nimbrel {

class COptIntBrowserDlg : public COptCategoryDlg {
public:
    explicit COptIntBrowserDlg(std::wstring product,
                               CCookiesToKeepDlg::SiteSource foundSites = CookieSitesOnThisMachine);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnSize(UINT type, int width, int height) override;

private:
    std::wstring product_;
    CCookiesToKeepDlg::SiteSource foundSites_;
    CControlPos layout_;
};

} // namespace nimbrel
