// The results report: per category what the last scan found and the last
// cleaning recovered, read back from the settings store each time the page
// is shown. "Reset Statistics" empties the figures; "Create Logs" packs the
// activity logs for support.
#pragma once

#include "ControlPos.h"
#include "PageDialog.h"
#include "win32/GdiHandles.h"
#include "HyperLinkButton.h"
#include "Label.h"
#include "ListView.h"
#include "ReportFigures.h"
#include "WorkflowHost.h"

#include <string>

namespace nimbrel {

class CResultsDld : public CPageDialog {
public:
    CResultsDld(IWorkflowHost& host, const ScanSession& session, std::wstring product);

    // Empties the stored figures and shows what is left.
    void ResetStatistics();
    // Fills the table from the store.
    void LoadFigures();
    const CListView& Table() const { return table_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnSize(UINT type, int width, int height) override;
    void OnShowWindow(bool shown) override;
    void OnDpiChanged() override;

private:
    void SetUpTable();
    void OnOk();

    IWorkflowHost& host_;
    const ScanSession& session_;
    std::wstring product_;

    CLabel title_;
    CLabel summary_;
    CHyperLinkButton reset_;
    CListView table_;
    CControlPos layout_;
};

} // namespace nimbrel
