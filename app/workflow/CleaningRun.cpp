// The cleaning run behind the scan page's Clean button: every found item
// left ticked (with every node above it) goes to the engine, category by
// category; what each category recovered is recorded for the results
// report, which the user sees next.
#include "ScanPrgDlg.h"

#include "FoundTreeRules.h"
#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "ShellSeams.h"
#include "resource.h"
#include "scrubcore/Scrubcore.h"

#include <cwchar>

namespace nimbrel {

namespace {

constexpr wchar_t kNothingChosen[] = L"Please select the items from the list to delete";
constexpr wchar_t kAllCleaned[] =
    L"Nimbrel has successfully cleaned all the selected items. Click OK to see the results.";

// The category whose node has this text, or -1.
int CategoryIndexOf(const std::wstring& nodeText) {
    for (int category = 0; category < kCategoryCount; ++category) {
        const wchar_t* text = LabelsOf(static_cast<ItemCategory>(category)).scanNode;
        if (CompareStringOrdinal(nodeText.c_str(), -1, text, -1, TRUE) == CSTR_EQUAL) {
            return category;
        }
    }
    return -1;
}

// The message of a run in which some chosen items stayed: it never claims
// more than happened.
std::wstring PartlyCleanedText(long long cleaned, long long failed) {
    wchar_t text[400];
    swprintf(text, 400,
             L"Nimbrel has cleaned %lld of the %lld selected items. %lld could not be removed (a program may "
             L"be using them). Click OK to see the results.",
             cleaned, cleaned + failed, failed);
    return text;
}

} // namespace

void CScanPrgDlg::OnClean() {
    if (scanRunning_) {
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
    EnableDuringCleaning(false);
    CleanChosenItems();
    EnableDuringCleaning(true);
    theApp.runs.EndRun();
}

void CScanPrgDlg::CleanChosenItems() {
    WriteLog(L"Cleaning started");
    // A scan the user stopped leaves the engine's stop request set; it must
    // not cut the cleaning short.
    Privacy_StopScan(0);
    Privacy_ClearFilesSize();
    for (int category = 0; category < kCategoryCount; ++category) {
        SetString(product_, FigureValueName(static_cast<ItemCategory>(category), Figure::FilesCleaned), L"");
    }
    session_.cleanedAny = false;

    long long failed = 0;
    for (const CategoryChoice& choice : ChosenFoundItems(tree_)) {
        // The engine's size total only grows while cleaning: what a category
        // recovered is how much it grew meanwhile.
        const double sizeAtStart = EngineKilobytes();
        long long removed = 0;
        for (const std::wstring& text : choice.foundItems) {
            session_.cleanedAny = true;
            if (Privacy_CleanSelitems(text.c_str()) != 0) {
                ++removed;
            } else {
                ++failed;
            }
            PumpMessages(); // the window stays alive through thousands of items
        }
        const int index = CategoryIndexOf(choice.categoryText);
        if (index >= 0 && static_cast<size_t>(index) < categoryResults_.size()) {
            CResultslist& record = categoryResults_[static_cast<size_t>(index)];
            record.cleanedCount = removed;
            record.cleanedSize = EngineKilobytes() - sizeAtStart;
        }
    }
    if (!session_.cleanedAny) {
        return;
    }
    const CleaningTotals totals = WriteCleaningFigures(product_, categoryResults_, failed);
    ShowMessage(Hwnd(),
                totals.failed == 0 ? std::wstring(kAllCleaned) : PartlyCleanedText(totals.cleaned, failed),
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
