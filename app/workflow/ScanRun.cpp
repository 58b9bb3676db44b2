#include "ScanRun.h"

#include "CommunityItems.h"
#include "DatabaseSettings.h"
#include "NimbrelControlApp.h"
#include "ReportFigures.h"
#include "SettingsStore.h"
#include "scrubcore/Scrubcore.h"

#include <algorithm>

namespace nimbrel {

namespace {

// The engine's callbacks are plain functions: they reach the run that
// registered them through this.
CScanRun* registeredRun = nullptr;

// Whether any Community item is stored as chosen: without one, a scan
// does not wait for the rules file to be read.
bool AnyCommunityChoice(const std::wstring& product) {
    for (const std::wstring& name : ValueNamesStartingWith(product, kCommunityValuePrefix)) {
        if (GetInt(product, name) == 1) {
            return true;
        }
    }
    return false;
}

} // namespace

struct ScanRunCallbacks {
    static int FoundItem(BSTR text, int) {
        if (registeredRun && text) {
            registeredRun->OnFound(std::wstring(text, SysStringLen(text)));
        }
        return 1;
    }
    static int ProcessMessages() {
        if (registeredRun) {
            registeredRun->observer_.ProcessMessages();
        }
        return 1;
    }
};

CScanRun::CScanRun(std::wstring product, IScanObserver& observer)
    : product_(std::move(product)), observer_(observer) {}

CScanRun::~CScanRun() {
    if (registeredRun == this) {
        Scrubcore_SetScanCallBack(nullptr);
        Scrubcore_SetProcessMessage(nullptr);
        registeredRun = nullptr;
    }
}

void CScanRun::RegisterWithEngine() {
    registeredRun = this;
    Scrubcore_SetProcessMessage(&ScanRunCallbacks::ProcessMessages);
    Scrubcore_SetScanCallBack(&ScanRunCallbacks::FoundItem);
}

void CScanRun::ChooseItems(const std::vector<const SelectionItem*>& items) {
    chosenOnly_ = true;
    chosen_.clear();
    chosen_.insert(items.begin(), items.end());
}

bool CScanRun::RunsItem(const SelectionItem& item) const {
    return chosenOnly_ ? chosen_.count(&item) > 0 : IsItemScanned(product_, item);
}

bool CScanRun::AnySelected() const {
    return std::find(selected_.begin(), selected_.end(), true) != selected_.end();
}

void CScanRun::Stop() {
    if (!running_) {
        return;
    }
    Privacy_StopScan(1);
    running_ = false;
    stopped_ = true;
}

void CScanRun::Run(int overwritePasses) {
    RegisterWithEngine();
    WriteLog(L"Started Scaning");
    SetString(product_, L"cleaned", L"false");
    ResetStatistics(product_);
    running_ = true;
    stopped_ = false;
    found_ = 0;
    kilobytes_ = 0;
    selected_.fill(false);
    // A scan only reports: it never deletes, whatever the engine was left at.
    Privacy_CheckDelete(0);
    Privacy_StopScan(0);
    // One size count for the whole run: a trace that items of two
    // categories reach is shown and measured once, under the first.
    Privacy_ClearFilesSize();
    Scrubcore_NoofTimesOverwrite(overwritePasses);
    // The run's own record is no trace, wherever it lies.
    Scrubcore_KeepFile(nullptr);
    Scrubcore_KeepFile(theApp.log.FileName().c_str());
    for (const std::wstring& file : keptFiles_) {
        Scrubcore_KeepFile(file.c_str());
    }
    // What a database item reports depends on the kept sites.
    HandDatabaseSettingsToEngine(product_);
    for (int category = 0; category < kCategoryCount; ++category) {
        RunCategory(static_cast<ItemCategory>(category));
    }
    SetString(product_, L"tts", KilobytesText(kilobytes_));
    const std::wstring found = CountText(static_cast<long long>(found_));
    SetString(product_, L"ttf", found);
    SetString(product_, L"showerrs", found);
    running_ = false;
}

void CScanRun::RunCategory(ItemCategory category) {
    const CategoryLabels labels = LabelsOf(category);
    observer_.CategoryStarted(category);
    WriteLog(labels.scanNode);
    const double sizeAtStart = EngineKilobytes();
    const unsigned long long foundAtStart = found_;

    std::vector<const SelectionItem*> items;
    const bool communityChosen =
        chosenOnly_
            ? std::any_of(chosen_.begin(), chosen_.end(),
                          [](const SelectionItem* item) { return item->category == ItemCategory::Community; })
            : AnyCommunityChoice(product_);
    if (category != ItemCategory::Community || communityChosen) {
        items = ItemsOf(category);
    }
    const ScanGroup* group = nullptr;
    for (const SelectionItem* item : items) {
        const ScanGroup& itemGroup = ScanGroupOf(*item);
        if (&itemGroup != group) {
            if (group) {
                observer_.GroupEnded(*group);
            }
            group = &itemGroup;
            if (group->nodeText) {
                WriteLog(std::wstring(labels.scanNode) + L" - " + group->nodeText);
            }
            observer_.GroupStarted(*group);
        }
        RunItem(*item);
    }
    if (group) {
        observer_.GroupEnded(*group);
    }

    // The engine's total only grows during a run: the category's share is
    // how much it grew meanwhile.
    const double size = EngineKilobytes() - sizeAtStart;
    kilobytes_ += size;
    const auto found = static_cast<long long>(found_ - foundAtStart);
    const bool selected = CategorySelected(category);
    SetString(product_, FigureValueName(category, Figure::SpaceFound),
              selected ? KilobytesText(size) : kNoFigure);
    SetString(product_, FigureValueName(category, Figure::FilesFound),
              selected ? CountText(found) : kNoFigure);
    observer_.CategoryEnded(category, CResultslist{});
}

void CScanRun::RunItem(const SelectionItem& item) {
    if (!running_ || !RunsItem(item)) {
        return;
    }
    selected_[static_cast<size_t>(item.category)] = true;
    const std::wstring name = SelectionValueName(item);
    WriteLog(name);
    observer_.ItemStarted(item);
    inItem_ = true;
    RunItemOperation(item);
    inItem_ = false;
    observer_.ItemEnded(item);
    WriteLog(name + L" - done");
}

void CScanRun::OnFound(const std::wstring& text) {
    if (!inItem_) {
        return; // reported outside any item of this run
    }
    ++found_;
    observer_.FoundItem(text, found_);
    WriteLog(CountText(static_cast<long long>(found_)) + L" item(s) found");
}

} // namespace nimbrel
