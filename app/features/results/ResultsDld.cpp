#include "ResultsDld.h"

#include "Fonts.h"
#include "LogArchive.h"
#include "NimbrelControlApp.h"
#include "ProgramFolder.h"
#include "resource.h"

namespace nimbrel {

namespace {

constexpr COLORREF kNavy = RGB(22, 52, 112);
constexpr COLORREF kLinkHover = RGB(10, 10, 247);

struct Column {
    const wchar_t* header;
    int width; // at 96 DPI
    int format;
};
constexpr Column kColumns[kReportColumns] = {
    {L"Item name", 198, LVCFMT_LEFT},        {L"File(s) found", 95, LVCFMT_RIGHT},
    {L"File(s) cleaned", 115, LVCFMT_RIGHT}, {L"Space found", 105, LVCFMT_RIGHT},
    {L"Space recovered", 130, LVCFMT_RIGHT},
};

} // namespace

CResultsDld::CResultsDld(IWorkflowHost& host, const ScanSession& session, std::wstring product)
    : CPageDialog(IDD_RESULTS), host_(host), session_(session), product_(std::move(product)) {}

BOOL CResultsDld::OnInitDialog() {
    WriteLog(L"Results");
    LayoutAtFixedDpi();
    title_.SubclassDlgItem(IDC_REPORT_TITLE, Hwnd());
    title_.SetFontName(L"Arial");
    title_.SetFontSize(15);
    title_.SetTextColor(kNavy);
    title_.SetBkColor(CPageDialog::kPageColor);
    title_.SetText(L"Report");
    summary_.SubclassDlgItem(IDC_REPORT_SUMMARY, Hwnd());
    summary_.SetFontName(L"Arial");
    summary_.SetFontSize(10);
    summary_.SetTransparent(true);

    reset_.SubclassDlgItem(IDC_RESET_STATISTICS, Hwnd());
    FontSpec font;
    reset_.SetNormalLook(kNavy, font);
    font.underline = true;
    reset_.SetHoverLook(kLinkHover, font);
    reset_.SetTransparent(true);

    SetUpTable();
    layout_.SetParent(Hwnd());
    layout_.AddControl(IDC_REPORT_TITLE, CControlPos::kStretchRight);
    layout_.AddControl(IDC_REPORT_LIST, CControlPos::kStretchRight | CControlPos::kStretchDown);
    layout_.AddControl(IDC_REPORT_SUMMARY, CControlPos::kMoveDown | CControlPos::kStretchRight);
    layout_.AddControl(IDC_RESET_STATISTICS, CControlPos::kMoveDown);
    layout_.AddControl(IDC_CREATE_LOGS, CControlPos::kMoveDown | CControlPos::kMoveRight);
    layout_.AddControl(IDC_REPORT_OK, CControlPos::kMoveDown | CControlPos::kMoveRight);
    LoadFigures();
    return FALSE;
}

void CResultsDld::SetUpTable() {
    table_ = CListView(Item(IDC_REPORT_LIST));
    ListView_SetExtendedListViewStyle(table_.Hwnd(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    FontSpec font;
    font.face = L"Arial";
    font.points = 9;
    SetControlFont(IDC_REPORT_LIST, font);
    for (int column = 0; column < kReportColumns; ++column) {
        table_.InsertColumn(column, kColumns[column].header, Scale(kColumns[column].width),
                            kColumns[column].format);
    }
    for (int row = 0; row < kReportRows; ++row) {
        table_.InsertItem(row, L"");
    }
}

void CResultsDld::OnDpiChanged() {
    for (int column = 0; column < kReportColumns; ++column) {
        ListView_SetColumnWidth(table_.Hwnd(), column, Scale(kColumns[column].width));
    }
}

void CResultsDld::LoadFigures() {
    if (!table_) {
        return;
    }
    const ReportTable figures = LoadReportFigures(product_, session_);
    for (int row = 0; row < kReportRows; ++row) {
        for (int column = 0; column < kReportColumns; ++column) {
            table_.SetItemText(row, column, figures[static_cast<size_t>(row)][static_cast<size_t>(column)]);
        }
    }
    // Files in use stay readable until the next restart: named apart, so
    // that the table's cleaned figures are all that really went.
    summary_.SetText(AtRestartText(session_.atRestart, 2));
}

void CResultsDld::ResetStatistics() {
    nimbrel::ResetStatistics(product_);
    LoadFigures();
}

void CResultsDld::OnShowWindow(bool shown) {
    if (shown) {
        reset_.Show(true);
        LoadFigures();
    }
}

bool CResultsDld::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
    case IDC_RESET_STATISTICS:
        ResetStatistics();
        return true;
    case IDC_REPORT_OK:
        OnOk();
        return true;
    case IDC_CREATE_LOGS:
        ArchiveLogs(ProgramFolder());
        return true;
    default:
        return false;
    }
}

void CResultsDld::OnOk() {
    WriteLog(L"Okey");
    host_.EnableNavigation(true);
    if (!host_.IsDashboardShown()) {
        host_.SetDashboardShown(true);
    }
    host_.ShowScanPage();
}

void CResultsDld::OnSize(UINT, int, int) {
    layout_.MoveControls();
}

} // namespace nimbrel
