// The sites whose cookies survive every cleaning: the list with a site to
// type in, and the sites the browsers on this machine hold cookies of, to
// tick and add. OK stores the list; Cancel leaves it as it was.
#pragma once

#include "DatabaseSettings.h"
#include "DialogBase.h"
#include "ListBox.h"
#include "ListView.h"

#include <functional>
#include <string>
#include <vector>

namespace nimbrel {

class CCookiesToKeepDlg : public CDialogBase {
public:
    // Where the sites found on this machine come from (the browsers'
    // cookie stores, through the engine).
    using SiteSource = std::function<std::vector<std::wstring>()>;
    CCookiesToKeepDlg(std::wstring product, SiteSource foundSites = CookieSitesOnThisMachine);

    // The kept sites as the list shows them, and the found sites not kept yet.
    std::vector<std::wstring> KeptSites() const;
    std::vector<std::wstring> FoundSites() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    // Adds a site (typed or found) to the kept list; false when the text
    // names no site.
    bool Keep(const std::wstring& text);
    void AddTypedSite();
    void RemoveSelectedSites();
    void AddTickedSites();
    // The found list: every found site that is not kept.
    void FillFoundList();
    void UpdateButtons() const;

    std::wstring product_;
    SiteSource foundSource_;
    std::vector<std::wstring> found_;
    CListBox kept_;
    CListView foundList_;
};

} // namespace nimbrel
