#include "Advancedshred.h"

#include "Fonts.h"
#include "MessagePump.h"
#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "ShellSeams.h"
#include "resource.h"
#include "win32/Text.h"

namespace nimbrel {

namespace {

constexpr COLORREF kNavy = RGB(22, 52, 112);
constexpr COLORREF kRed = RGB(255, 0, 0);

struct ShredLevel {
    int radio;
    int label;
    int passes;
    const wchar_t* text;
    const wchar_t* logLine;
};
constexpr ShredLevel kLevels[] = {
    {IDC_SHRED_QUICK, IDC_SHRED_QUICK_LABEL, 1, L"Quick (1 overwrite pass)", L"Shred one time"},
    {IDC_SHRED_SAFE, IDC_SHRED_SAFE_LABEL, 3, L"Safe (DOD 5220.20_M: 3 overwrite passes)", L"Shred 3 times"},
    {IDC_SHRED_THOROUGH, IDC_SHRED_THOROUGH_LABEL, 7, L"Thorough (7 overwrite passes)", L"Shred 7 times"},
};

constexpr wchar_t kHint[] =
    L"Use\"Add File To List\" and \"Remove File From List\" buttons to select file(s) to be shredded. Once "
    L"you "
    L"are sure of your selection, choose a shred level and click on SHRED FILES button to perform shredding.";
constexpr wchar_t kWarning[] = L"Warning: File(s) once deleted cannot be recovered.";
// How often the progress line changes and the window's messages are
// answered while a file is overwritten.
constexpr ULONGLONG kProgressIntervalMs = 100;
constexpr wchar_t kConfirm[] =
    L"File(s) selected in the list will get permanently shred. Files once shredded can not be recovered. Are "
    L"you sure you would like to perform shredding?";

std::wstring Joined(const std::vector<std::wstring>& paths) {
    std::wstring text;
    for (const std::wstring& path : paths) {
        text += (text.empty() ? L"" : L", ") + path;
    }
    return text;
}

} // namespace

CAdvancedshred::CAdvancedshred(std::wstring product)
    : CPageDialog(IDD_ADVANCEDSHRED), product_(std::move(product)) {}

BOOL CAdvancedshred::OnInitDialog() {
    WriteLog(L"Shred OnInitDialog");
    LayoutAtFixedDpi();
    list_ = CListBox(Item(IDC_SHRED_LIST));
    SetUpLabels();
    FontSpec big;
    big.face = L"Arial";
    big.points = 12;
    big.weight = FW_BOLD;
    SetControlFont(IDC_SHRED_FILES, big);
    SetUpLayout();
    CheckLevel(0);
    return FALSE;
}

void CAdvancedshred::SetUpLabels() {
    title_.SubclassDlgItem(IDC_SHRED_TITLE, Hwnd());
    title_.SetTextStyle(L"Arial", 15, kNavy);
    title_.SetText(L"Advanced Shred");
    hint_.SubclassDlgItem(IDC_SHRED_HINT, Hwnd());
    hint_.SetTextStyle(L"arial", 10, kNavy);
    hint_.SetText(kHint);
    levelHeading_.SubclassDlgItem(IDC_SHRED_LEVEL_HEADING, Hwnd());
    levelHeading_.SetTextStyle(L"Arial", 9, kNavy);
    // The heading sits on the group box's line: it hides the line behind it.
    levelHeading_.SetBkColor(CPageDialog::kPageColor);
    levelHeading_.SetText(L"Shred levels");
    for (size_t i = 0; i < levelLabels_.size(); ++i) {
        levelLabels_[i].SubclassDlgItem(kLevels[i].label, Hwnd());
        levelLabels_[i].SetTextStyle(L"Arial", 9, RGB(0, 0, 0));
        levelLabels_[i].SetText(kLevels[i].text);
    }
    warning_.SubclassDlgItem(IDC_SHRED_WARNING, Hwnd());
    warning_.SetTextStyle(L"arial", 10, kRed);
    warning_.SetText(kWarning);
}

void CAdvancedshred::SetUpLayout() {
    // The main window gives the page more room than its template: the list
    // takes it, the levels and the warning keep to the bottom.
    layout_.SetParent(Hwnd());
    for (int id : {IDC_SHRED_TITLE, IDC_SHRED_HINT}) {
        layout_.AddControl(id, CControlPos::kStretchRight);
    }
    layout_.AddControl(IDC_SHRED_LIST, CControlPos::kStretchRight | CControlPos::kStretchDown);
    for (int id : {IDC_SHRED_ADD, IDC_SHRED_REMOVE}) {
        layout_.AddControl(id, CControlPos::kMoveRight);
    }
    for (int id : {IDC_SHRED_LEVEL_GROUP, IDC_SHRED_WARNING}) {
        layout_.AddControl(id, CControlPos::kMoveDown | CControlPos::kStretchRight);
    }
    layout_.AddControl(IDC_SHRED_LEVEL_HEADING, CControlPos::kMoveDown);
    for (const ShredLevel& level : kLevels) {
        layout_.AddControl(level.radio, CControlPos::kMoveDown);
        layout_.AddControl(level.label, CControlPos::kMoveDown);
    }
    layout_.AddControl(IDC_SHRED_FILES, CControlPos::kMoveRight | CControlPos::kMoveDown);
}

void CAdvancedshred::OnSize(UINT, int, int) {
    layout_.MoveControls();
}

int CAdvancedshred::SelectedPasses() const {
    for (const ShredLevel& level : kLevels) {
        if (IsDlgButtonChecked(Hwnd(), level.radio) == BST_CHECKED) {
            return level.passes;
        }
    }
    return 0;
}

std::vector<std::wstring> CAdvancedshred::ListedFiles() const {
    std::vector<std::wstring> files;
    for (int i = 0; i < list_.Count(); ++i) {
        files.push_back(list_.GetText(i));
    }
    return files;
}

bool CAdvancedshred::OnCommand(int id, int code, HWND) {
    for (size_t i = 0; i < std::size(kLevels); ++i) {
        if (id == kLevels[i].label && code == STN_CLICKED) {
            SelectLevel(i);
            return true;
        }
    }
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
    case IDC_SHRED_ADD:
        AddFile();
        return true;
    case IDC_SHRED_REMOVE:
        RemoveFile();
        return true;
    case IDC_SHRED_FILES:
        ShredFiles();
        return true;
    default:
        return false;
    }
}

void CAdvancedshred::AddFile() {
    WriteLog(L"Adding files");
    WriteLog(L"Shreding Add button seleted");
    std::wstring chosen;
    if (!AskForFile(Hwnd(), L"Scrubcore - Select Files", L"All Files|*.*", chosen) || chosen.empty()) {
        return;
    }
    for (const std::wstring& listed : ListedFiles()) {
        if (win32::EqualsNoCase(listed, chosen)) {
            ShowMessage(Hwnd(), chosen + L" file has already been added to the list",
                        MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    list_.AddString(chosen);
    FitListWidth();
}

void CAdvancedshred::RemoveFile() {
    WriteLog(L"Removing files");
    if (list_.Count() == 0) {
        ShowMessage(Hwnd(), L"No files removed from the list. List is empty.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int selected = list_.GetCurSel();
    if (selected == LB_ERR) {
        ShowMessage(Hwnd(), L"Please select a file form list", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    list_.DeleteString(selected);
    FitListWidth();
}

void CAdvancedshred::SelectLevel(size_t level) {
    WriteLog(kLevels[level].logLine);
    CheckLevel(level);
}

void CAdvancedshred::CheckLevel(size_t level) {
    for (size_t i = 0; i < std::size(kLevels); ++i) {
        CheckDlgButton(Hwnd(), kLevels[i].radio, i == level ? BST_CHECKED : BST_UNCHECKED);
    }
}

CAdvancedshred::Refusals CAdvancedshred::CheckListedFiles() const {
    Refusals refusals;
    for (const std::wstring& path : ListedFiles()) {
        switch (shredder_.Check(path)) {
        case ShredRefusal::Busy:
            refusals.busy.push_back(path);
            break;
        case ShredRefusal::Link:
            refusals.links.push_back(path);
            break;
        case ShredRefusal::None:
            break;
        }
    }
    return refusals;
}

void CAdvancedshred::ShredFiles() {
    WriteLog(L"Shreding files");
    const int passes = SelectedPasses();
    if (list_.Count() == 0) {
        ShowMessage(Hwnd(), L"List is empty. Click Add Files button to add files to the list.",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (ShowMessage(Hwnd(), kConfirm, MB_OKCANCEL) != IDOK) {
        return;
    }
    // Nothing is touched unless every listed file can be shredded.
    const Refusals refusals = CheckListedFiles();
    if (!refusals.busy.empty()) {
        ShowMessage(Hwnd(),
                    L"Some other process is already using the following file(s) \n" + Joined(refusals.busy) +
                        L".\n Please close these file(s) then processed.",
                    MB_OK);
        return;
    }
    if (!refusals.links.empty()) {
        ShowMessage(Hwnd(),
                    L"The following file(s) are links or have more than one name on the disk; shredding them "
                    L"could destroy other files:\n" +
                        Joined(refusals.links) +
                        L".\nNothing has been shredded. Please remove these file(s) from the list.",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (passes == 0) {
        ShowMessage(Hwnd(), L"Please select Shred Level", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // An update must not end the program with a file half overwritten.
    if (!theApp.runs.BeginRun()) {
        WriteLog(L"Shredding not started: an update is being installed");
        return;
    }
    SetInt(product_, L"shrct", list_.Count());
    const std::vector<std::wstring> failed = ShredListedFiles(passes);
    theApp.runs.EndRun();
    if (quitWhileShredding_) {
        PostQuitMessage(*quitWhileShredding_); // the program was asked to end meanwhile
        return;
    }
    FitListWidth();
    if (failed.empty()) {
        ShowMessage(Hwnd(), L"All the selected files have been successfully shredded.",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    WriteLog(L"Shreding failed for " + std::to_wstring(failed.size()) + L" file(s)");
    ShowMessage(Hwnd(),
                L"The following file(s) could not be shredded and are still in the list:\n" + Joined(failed) +
                    L".\nPlease close them in every program and try again.",
                MB_OK | MB_ICONEXCLAMATION);
}

std::vector<std::wstring> CAdvancedshred::ShredListedFiles(int passes) {
    // Nothing in the window may be clicked until the list is done (another
    // page, the list, Close); it is still painted and shows the progress.
    const HWND window = GetAncestor(Hwnd(), GA_ROOT);
    const HWND focus = GetFocus();
    EnableWindow(window, FALSE);
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    quitWhileShredding_.reset();
    progressShownAt_ = 0;
    std::vector<std::wstring> failed;
    const int files = list_.Count();
    for (int i = files - 1; i >= 0; --i) {
        const std::wstring path = list_.GetText(i);
        const int file = files - i;
        const bool shredded =
            shredder_.Shred(path, passes, [&](int pass, int passCount, uint64_t written, uint64_t size) {
                ShowProgress(file, files, pass, passCount, written, size);
            });
        if (shredded) {
            list_.DeleteString(i);
        } else {
            failed.insert(failed.begin(), path);
        }
    }
    warning_.SetText(kWarning);
    SetCursor(previous);
    EnableWindow(window, TRUE);
    SetFocus(focus);
    return failed;
}

void CAdvancedshred::ShowProgress(int file, int files, int pass, int passes, uint64_t written,
                                  uint64_t size) {
    const ULONGLONG now = GetTickCount64();
    // The end of a pass is always answered: even a small file's passes let
    // the window paint.
    if (now - progressShownAt_ < kProgressIntervalMs && written < size) {
        return;
    }
    progressShownAt_ = now;
    const int percent = size == 0 ? 100 : static_cast<int>(written * 100 / size);
    warning_.SetText(L"Shredding file " + std::to_wstring(file) + L" of " + std::to_wstring(files) +
                     L": pass " + std::to_wstring(pass) + L" of " + std::to_wstring(passes) + L", " +
                     std::to_wstring(percent) + L"% written. Please wait...");
    if (const auto quitCode = DispatchWaitingMessages()) {
        quitWhileShredding_ = quitCode;
    }
}

// Long paths can be scrolled into view.
void CAdvancedshred::FitListWidth() {
    win32::CWindowDC dc(list_.Hwnd());
    win32::CSelectObject font(dc.Get(), reinterpret_cast<HFONT>(list_.Send(WM_GETFONT)));
    int widest = 0;
    for (const std::wstring& path : ListedFiles()) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), path.c_str(), static_cast<int>(path.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx) + 8);
    }
    list_.Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest));
}

} // namespace nimbrel
