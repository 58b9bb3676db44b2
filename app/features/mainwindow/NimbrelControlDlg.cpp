#include "NimbrelControlDlg.h"

#include "AboutDilg.h"
#include "ClosingFigures.h"
#include "CommunityItems.h"
#include "Dpi.h"
#include "HelpFile.h"
#include "MessagePump.h"
#include "NimbrelControlApp.h"
#include "OptCommunityDlg.h"
#include "ProgramLook.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "VendorAddresses.h"
#include "Window.h"
#include "resource.h"

namespace nimbrel {

namespace {

// Places in pixels of the main window's client area at 96 DPI.
constexpr RECT kLeftFramePlace{10, 120, 180, 560};
// Where the green header ends and the navy body begins (at 96 DPI).
constexpr int kHeaderHeight = 104;

constexpr wchar_t kScanRunningText[] =
    L"Scan progress in running, if you want to close,\n click on stop scan button";

// The main window is a dialog of a class of its own, so that a second start
// can tell it from a message box with the same title.
void RegisterMainWindowClass(HINSTANCE module) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(module, kMainWindowClass, &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefDlgProcW;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = module;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassExW(&windowClass);
}

} // namespace

CNimbrelControlDlg::CNimbrelControlDlg(UINT splashMilliseconds)
    : CDialogBase(IDD_NIMBRELCONTROL_DIALOG), splashMilliseconds_(splashMilliseconds),
      scanPage_(*this, session_, kProductTitle), shredPage_(kProductTitle),
      resultsPage_(*this, session_, kProductTitle) {
    RegisterMainWindowClass(Module());
}

BOOL CNimbrelControlDlg::OnInitDialog() {
    WriteLog(L"Main Dlg Init");
    LayoutAtFixedDpi();
    LoadImages();
    if (HMENU systemMenu = GetSystemMenu(Hwnd(), FALSE)) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, IDM_UPDATE_RULES, L"&Update Community Rules");
        AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, L"&About Nimbrel...");
    }

    versionLabel_.SubclassDlgItem(IDC_VERSION_LABEL, Hwnd());
    versionLabel_.SetFontName(L"Arial");
    versionLabel_.SetFontSize(10);
    versionLabel_.SetFontBold(true);
    versionLabel_.SetTransparent(true);
    versionLabel_.SetTextColor(RGB(0, 0, 0));
    versionLabel_.SetText(std::wstring(L"Ver") + kVersionText);

    CreatePages();

    helpButton_.SubclassDlgItem(IDC_HELP_BUTTON, Hwnd());
    helpButton_.SetImages(Module(), IDB_HELP_NORMAL, IDB_HELP_HOVER, IDB_HELP_NORMAL);
    aboutButton_.SubclassDlgItem(IDC_ABOUT_BUTTON, Hwnd());
    aboutButton_.SetImages(Module(), IDB_ABOUT_NORMAL, IDB_ABOUT_HOVER, IDB_ABOUT_NORMAL);

    // Maximised, the header keeps its buttons at the right edge and the
    // column and pages take the room that comes free.
    layout_.SetParent(Hwnd());
    const RECT client = CWindow(Hwnd()).ClientRect();
    layout_.SetMinimumSize(client.right, client.bottom);
    layout_.AddControl(leftFrame_.Hwnd(), CControlPos::kStretchDown);
    for (HWND page : AllPages()) {
        if (page != previewPanel_.Hwnd()) {
            layout_.AddControl(page, CControlPos::kStretchRight | CControlPos::kStretchDown);
        }
    }
    layout_.AddControl(IDC_HELP_BUTTON, CControlPos::kMoveRight);
    layout_.AddControl(IDC_ABOUT_BUTTON, CControlPos::kMoveRight);
    layout_.AddControl(IDC_VERSION_LABEL, CControlPos::kMoveRight);

    WriteDefaultSelectionOnFirstRun();

    ShowWindow(leftFrame_.Hwnd(), SW_SHOW);
    dashboardShown_ = true;
    leftFrame_.ShowScanPage();

    // The window appears once the splash has gone.
    CSplashScrDlg splash(splashMilliseconds_);
    splash.DoModal(Hwnd());

    if (GetInt(kProductTitle, L"autoupdate") != 0) {
        SetTimer(Hwnd(), kUpdateTimer, kUpdateDelayMs, nullptr);
    }
    return FALSE; // the Scan button takes the focus when the window shows
}

void CNimbrelControlDlg::LoadImages() {
    const int dpi = Dpi();
    const auto icon = [this, dpi](int width, int height) {
        return static_cast<HICON>(LoadImageW(Module(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                             SystemMetricForDpi(width, dpi), SystemMetricForDpi(height, dpi),
                                             LR_SHARED));
    };
    bigIcon_ = icon(SM_CXICON, SM_CYICON);
    smallIcon_ = icon(SM_CXSMICON, SM_CYSMICON);
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    banner_ = LoadBitmapForDpi(Module(), IDB_BANNER, dpi);
}

void CNimbrelControlDlg::OnDpiChanged() {
    LoadImages();
    // The pages and the column follow the layout keeper (the size change
    // that follows); the preview panel keeps its own place.
    const RECT preview = Scale(kPreviewPlace);
    MoveWindow(previewPanel_.Hwnd(), preview.left, preview.top, preview.right - preview.left,
               preview.bottom - preview.top, FALSE);
}

void CNimbrelControlDlg::CreatePages() {
    leftFrame_.Create(Hwnd());
    const RECT column = Scale(kLeftFramePlace);
    MoveWindow(leftFrame_.Hwnd(), column.left, column.top, column.right - column.left,
               column.bottom - column.top, FALSE);
    CreatePage(optionsPage_, IDD_OPTIONS);
    CreatePage(scanPage_, IDD_SCANPRG);
    CreatePage(dashboard_, IDD_SCANDEFAULT);
    CreatePage(shredPage_, IDD_ADVANCEDSHRED);
    CreatePage(previewPanel_, IDD_STATISTICS, kPreviewPlace);
    CreatePage(resultsPage_, IDD_RESULTS);
}

// A page at its place, hidden, carrying its template's identifier as its
// control identifier. The preview panel lies over the scan page: no page
// paints over a sibling in front of it.
void CNimbrelControlDlg::CreatePage(CDialogBase& page, int id, const RECT& at96Dpi) {
    page.Create(Hwnd());
    SetWindowLongPtrW(page.Hwnd(), GWLP_ID, id);
    SetWindowLongPtrW(page.Hwnd(), GWL_STYLE, GetWindowLongPtrW(page.Hwnd(), GWL_STYLE) | WS_CLIPSIBLINGS);
    ShowWindow(page.Hwnd(), SW_HIDE);
    const RECT place = Scale(at96Dpi);
    MoveWindow(page.Hwnd(), place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
}

void CNimbrelControlDlg::WriteDefaultSelectionOnFirstRun() {
    if (GetInt(kProductTitle, L"first") == 0) {
        return;
    }
    optionsPage_.SetDefaultSelection();
    // The trees show the selection once the page has come up.
    optionsPage_.StartReloadTimer();
    SetInt(kProductTitle, L"first", 0);
}

HWND CNimbrelControlDlg::PageWindow(NavPage page) const {
    switch (page) {
    case NavPage::Scan:
        return dashboardShown_ ? dashboard_.Hwnd() : scanPage_.Hwnd();
    case NavPage::Options:
        return optionsPage_.Hwnd();
    case NavPage::Shred:
        return shredPage_.Hwnd();
    case NavPage::Statistics:
        return resultsPage_.Hwnd();
    }
    return nullptr;
}

std::array<HWND, 6> CNimbrelControlDlg::AllPages() const {
    return {scanPage_.Hwnd(),  dashboard_.Hwnd(),    optionsPage_.Hwnd(),
            shredPage_.Hwnd(), previewPanel_.Hwnd(), resultsPage_.Hwnd()};
}

void CNimbrelControlDlg::HideAllPages() {
    // Leaving the Options page keeps the choices made on its shown tab, as
    // leaving a tab does: the next scan uses what the user saw.
    if (IsWindowVisible(optionsPage_.Hwnd())) {
        optionsPage_.StoreShownTab();
    }
    for (HWND page : AllPages()) {
        ShowWindow(page, SW_HIDE);
    }
}

void CNimbrelControlDlg::ShowPage(NavPage page) {
    ShowWindow(PageWindow(page), SW_SHOW);
}

void CNimbrelControlDlg::StartScanFromOptions() {
    leftFrame_.ShowScanPage();
    scanPage_.RunScan();
}

void CNimbrelControlDlg::ShowOptionsPage() {
    leftFrame_.ShowOptionsPage();
}

void CNimbrelControlDlg::ShowScanPage(bool evenIfShown) {
    if (evenIfShown) {
        leftFrame_.ForgetCurrentPage();
    }
    leftFrame_.ShowScanPage();
}

void CNimbrelControlDlg::ShowStatisticsPage() {
    leftFrame_.ShowStatisticsPage();
}

void CNimbrelControlDlg::ShowScanPageInPlaceOfDashboard() {
    ShowWindow(dashboard_.Hwnd(), SW_HIDE);
    ShowWindow(scanPage_.Hwnd(), SW_SHOW);
}

void CNimbrelControlDlg::EnableNavigation(bool enabled) {
    EnableWindow(leftFrame_.Hwnd(), enabled ? TRUE : FALSE);
}

void CNimbrelControlDlg::MinimiseMainWindow() {
    ShowWindow(Hwnd(), SW_MINIMIZE);
}

void CNimbrelControlDlg::RestoreMainWindow() {
    ShowWindow(Hwnd(), SW_RESTORE);
}

int CNimbrelControlDlg::OverwritePasses() const {
    return optionsPage_.OverwritePasses();
}

void CNimbrelControlDlg::ResetStatistics() {
    resultsPage_.ResetStatistics();
}

void CNimbrelControlDlg::ShowOptionsAt(int category) {
    leftFrame_.ShowOptionsPage();
    if (category >= 0) {
        optionsPage_.SelectTab(category);
    }
}

void CNimbrelControlDlg::ShowLastScanResults() {
    leftFrame_.ShowStatisticsPage();
}

void CNimbrelControlDlg::Help() {
    OpenHelp();
}

void CNimbrelControlDlg::About() {
    WriteLog(L"Main Dlg About");
    CAboutDilg about;
    about.DoModal(Hwnd());
}

bool CNimbrelControlDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
    case IDC_HELP_BUTTON:
        Help();
        return true;
    case IDC_ABOUT_BUTTON:
        About();
        return true;
    default:
        return false;
    }
}

void CNimbrelControlDlg::OnTimer(UINT_PTR id) {
    if (id != kUpdateTimer) {
        return;
    }
    WriteLog(L"Main Dlg Calling check for updates");
    theApp.updateCheck.Start(ConfiguredUpdatePageAddress());
    KillTimer(Hwnd(), kUpdateTimer);
}

void CNimbrelControlDlg::OnClose() {
    WriteLog(L"Main Dlg Closing");
    if (theApp.runs.IsRunInProgress()) {
        WriteLog(std::wstring(L"Main Dlg : ") + kScanRunningText);
        ShowMessage(Hwnd(), kScanRunningText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SettleFiguresAtClose(kProductTitle);
    WriteLog(std::wstring(L"NMB is Closed ") + kFullVersionText);
    EndDialog(1);
}

void CNimbrelControlDlg::HidePreviewPanel() {
    ShowWindow(previewPanel_.Hwnd(), SW_HIDE);
}

bool CNimbrelControlDlg::ShowPreviewImage(const std::wstring& path) {
    if (!previewPanel_.ShowPreviewImage(path)) {
        HidePreviewPanel();
        return false;
    }
    SetWindowPos(previewPanel_.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    return true;
}

void CNimbrelControlDlg::OnSize(UINT type, int, int) {
    HidePreviewPanel();
    if (type != SIZE_MINIMIZED) {
        layout_.MoveControls();
        InvalidateRect(Hwnd(), nullptr, TRUE);
    }
}

bool CNimbrelControlDlg::OnEraseBackground(HDC dc) {
    const RECT client = CWindow(Hwnd()).ClientRect();
    FillColour(dc, client, kHeaderGreen);
    RECT body = client;
    body.top = Scale(kHeaderHeight);
    FillColour(dc, body, kBodyNavy);
    const SIZE size = win32::BitmapSize(banner_.Get());
    win32::UniqueMemoryDC source(CreateCompatibleDC(dc));
    if (!banner_ || !source || size.cx == 0) {
        return true;
    }
    win32::CSelectObject select(source.Get(), banner_.Get());
    BitBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
    // A wider (maximised) window continues the banner's last column.
    if (client.right > size.cx) {
        StretchBlt(dc, size.cx, 0, client.right - size.cx, size.cy, source.Get(), size.cx - 1, 0, 1, size.cy,
                   SRCCOPY);
    }
    return true;
}

bool CNimbrelControlDlg::OnPaint(HDC dc, const RECT&) {
    if (!IsIconic(Hwnd())) {
        return false;
    }
    const RECT client = CWindow(Hwnd()).ClientRect();
    const int width = SystemMetricForDpi(SM_CXICON, Dpi());
    const int height = SystemMetricForDpi(SM_CYICON, Dpi());
    DrawIconEx(dc, (client.right - width + 1) / 2, (client.bottom - height + 1) / 2, bigIcon_, width, height,
               0, nullptr, DI_NORMAL);
    return true;
}

void CNimbrelControlDlg::OnShowWindow(bool shown) {
    if (shown) {
        SetFocus(leftFrame_.Button(NavPage::Scan));
    }
}

bool CNimbrelControlDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
    case WM_CLOSE:
        // The close box and Alt+F4; Escape comes as IDCANCEL and is ignored.
        OnClose();
        result = TRUE;
        return true;
    case WM_HELP:
        Help();
        result = TRUE;
        return true;
    case WM_ENDSESSION:
        // Log-off or shut-down ends the process without destroying windows:
        // keep the choices on the shown options tab as closing would.
        if (wParam) {
            optionsPage_.StoreShownTab();
        }
        return false;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            About();
            result = TRUE;
            return true;
        }
        if ((wParam & 0xFFF0) == IDM_UPDATE_RULES) {
            UpdateCommunityRules();
            result = TRUE;
            return true;
        }
        return false;
    case WM_MOVE:
        if (IsWindowVisible(optionsPage_.Hwnd())) {
            RedrawWindow(optionsPage_.Page(optionsPage_.CurrentTab()).Hwnd(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        return false;
    case WM_ACTIVATE:
        HidePreviewPanel();
        // The found-items tree of the scan page repaints after losing the focus.
        if (scanPage_.FoundTree()) {
            InvalidateRect(scanPage_.FoundTree().Hwnd(), nullptr, TRUE);
        }
        return false;
    default:
        return false;
    }
}

void CNimbrelControlDlg::UpdateCommunityRules() {
    // The rules of a run under way must stay as they are until it ends.
    if (theApp.runs.IsRunInProgress()) {
        ShowMessage(Hwnd(), L"The community rules can be updated once the scan or cleaning has ended.",
                    MB_OK | MB_ICONEXCLAMATION, L"Update Community Rules");
        return;
    }
    // The choices made on the Community tab are kept under the entries'
    // names, which the newer file keeps too.
    optionsPage_.StoreShownTab();
    optionsPage_.CommunityPage().RulesChanging();
    const HCURSOR cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    // The download may take a while: the window keeps painting meanwhile
    // and takes no input.
    const RulesUpdateOutcome outcome = CommunityItems().UpdateRules(
        kProductTitle, [this](RulesDownloadFunction download, const wchar_t* url, const wchar_t* path) {
            int fetched = 0;
            if (!RunBesideMessages(Hwnd(), [&] { fetched = download(url, path); })) {
                fetched = download(url, path);
            }
            return fetched;
        });
    SetCursor(cursor);
    optionsPage_.CommunityPage().RulesChanged();
    ShowMessage(Hwnd(), outcome.text, MB_OK | (outcome.updated ? MB_ICONINFORMATION : MB_ICONEXCLAMATION),
                L"Update Community Rules");
}

} // namespace nimbrel
