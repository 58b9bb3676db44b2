// The scan page's Clean button: every found item left ticked (with every
// node above it) is cleaned, then the user reads the results report.
#include "ScanPrgDlg.h"

#include "CleaningRun.h"
#include "FoundTreeRules.h"
#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "ShellSeams.h"
#include "resource.h"

#include <cwchar>

namespace nimbrel {

namespace {

constexpr wchar_t kNothingChosen[] = L"Please select the items from the list to delete";
constexpr wchar_t kAllCleaned[] =
    L"Nimbrel has successfully cleaned all the selected items. Click OK to see the results.";

// The message of a run in which some chosen items stayed: it never claims
// more than happened.
std::wstring PartlyCleanedText(long long cleaned, long long failed, long long atRestart) {
    wchar_t text[600];
    if (atRestart == 0) {
        swprintf(text, 600,
                 L"Nimbrel has cleaned %lld of the %lld selected items. %lld could not be removed (a program "
                 L"may be using them). Click OK to see the results.",
                 cleaned, cleaned + failed, failed);
    } else {
        swprintf(
            text, 600,
            L"Nimbrel has cleaned %lld of the %lld selected items. %lld go at the next restart (a program "
            L"holds them open) and %lld could not be removed. Click OK to see the results.",
            cleaned, cleaned + failed + atRestart, atRestart, failed);
    }
    return text;
}

} // namespace

void CScanPrgDlg::OnClean() {
    if (run_.IsRunning() || cleaning_) {
        return;
    }
    if (CompareStringOrdinal(CWindow(Item(IDC_CLEAN)).Text().c_str(), -1, L"Ok", -1, TRUE) == CSTR_EQUAL) {
        LeaveForDashboard();
        return;
    }
    if (!HasChosenFoundItem(tree_)) {
        ShowMessage(Hwnd(), kNothingChosen, MB_OK | MB_ICONEXCLAMATION);
        WriteLog(kNothingChosen);
        return;
    }
    if (!theApp.runs.BeginRun()) {
        WriteLog(L"Cleaning not started: an update is being installed");
        return;
    }
    CActivityLog::KeptOpen keepLogOpen(theApp.log);
    cleaning_ = true;
    EnableDuringCleaning(false);
    CleanChosenItems();
    EnableDuringCleaning(true);
    cleaning_ = false;
    theApp.runs.EndRun();
}

void CScanPrgDlg::CleanChosenItems() {
    const CleaningOutcome outcome =
        nimbrel::CleanChosenItems(product_, ChosenFoundItems(tree_), categoryResults_, [this] {
            ProcessMessages();
            return true;
        });
    session_.cleanedAny = outcome.anyHandedOver;
    session_.atRestart = outcome.atRestart;
    if (!outcome.anyHandedOver) {
        return;
    }
    const long long failed = outcome.totals.failed;
    const long long atRestart = outcome.totals.atRestart;
    ShowMessage(Hwnd(),
                failed == 0 && atRestart == 0 ? std::wstring(kAllCleaned)
                                              : PartlyCleanedText(outcome.totals.cleaned, failed, atRestart),
                MB_OK | MB_ICONEXCLAMATION);
    // The report's Ok leads back; until then the navigation waits.
    host_.EnableNavigation(false);
    host_.ShowStatisticsPage();
}

// While the engine removes the chosen items, nothing on the page may start
// another run or change the choice under it.
void CScanPrgDlg::EnableDuringCleaning(bool enabled) {
    if (!enabled) {
        host_.EnableNavigation(false);
    }
    for (int id : {IDC_CLEAN, IDC_SCAN_BACK}) {
        EnableWindow(Item(id), enabled ? TRUE : FALSE);
    }
    tree_.Enable(enabled);
    if (enabled && !IsWindowVisible(Hwnd())) {
        return; // the report took over and keeps the navigation off until its Ok
    }
    if (enabled) {
        host_.EnableNavigation(true);
    }
}

void CScanPrgDlg::LeaveForDashboard() {
    tree_.Show(false);
    activity_.Show(false);
    path_.Show(false);
    count_.Show(false);
    host_.HidePreviewPanel();
    host_.SetDashboardShown(true);
    host_.ShowScanPage(true);
}

} // namespace nimbrel
