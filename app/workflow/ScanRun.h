// One scan run, without any window: every row of the selection table whose
// stored value is 1, category by category, through the row's engine
// export. It logs each step, counts what the engine reports and writes
// each category's figures and the totals to the settings store. Whoever
// shows the run (the scan page, the command line) hears of every step.
#pragma once

#include "ItemSelection.h"
#include "ScanFigures.h"

#include <array>
#include <string>
#include <unordered_set>
#include <vector>

namespace nimbrel {

class IScanObserver {
public:
    virtual void CategoryStarted(ItemCategory category) = 0;
    // An application's rows begin (Windows has one group without a node).
    virtual void GroupStarted(const ScanGroup& group) = 0;
    virtual void GroupEnded(const ScanGroup& group) = 0;
    virtual void ItemStarted(const SelectionItem& item) = 0;
    // A trace the running item found; `count` found so far in the run.
    virtual void FoundItem(const std::wstring& text, unsigned long long count) = 0;
    virtual void ItemEnded(const SelectionItem& item) = 0;
    // The category's result record, for the cleaning run that may follow.
    virtual void CategoryEnded(ItemCategory category, const CResultslist& record) = 0;
    // Called between the entries the engine visits: the window keeps
    // answering (and the user may stop the run).
    virtual void ProcessMessages() = 0;

protected:
    ~IScanObserver() = default;
};

class CScanRun {
public:
    CScanRun(std::wstring product, IScanObserver& observer);
    ~CScanRun();
    CScanRun(const CScanRun&) = delete;
    CScanRun& operator=(const CScanRun&) = delete;

    // Gives the engine this run's callbacks (one run at a time holds them).
    void RegisterWithEngine();
    // The run scans these items instead of the stored selection, which
    // stays as it is (the items a command line names).
    void ChooseItems(const std::vector<const SelectionItem*>& items);

    // Files this run writes besides the log (a report, redirect targets):
    // neither the scan nor a cleaning after it reports or removes them.
    void KeepFiles(std::vector<std::wstring> files) { keptFiles_ = std::move(files); }

    // Runs the whole scan; returns when every category has ended.
    void Run(int overwritePasses);
    // The running item ends at its next entry and no later row runs; the
    // categories still end and write their figures.
    void Stop();

    bool IsRunning() const { return running_; }
    bool WasStopped() const { return stopped_; }
    bool AnySelected() const;
    unsigned long long FoundCount() const { return found_; }
    double TotalKilobytes() const { return kilobytes_; }
    // The category's figures of this run: found items and kilobytes, or
    // nothing when none of its rows ran.
    bool CategorySelected(ItemCategory category) const { return selected_[static_cast<size_t>(category)]; }

private:
    friend struct ScanRunCallbacks;
    void RunCategory(ItemCategory category);
    void RunItem(const SelectionItem& item);
    void OnFound(const std::wstring& text);
    bool RunsItem(const SelectionItem& item) const;

    std::wstring product_;
    IScanObserver& observer_;
    bool running_ = false;
    bool stopped_ = false;
    bool inItem_ = false;
    bool chosenOnly_ = false;
    std::unordered_set<const SelectionItem*> chosen_;
    std::array<bool, kCategoryCount> selected_{};
    unsigned long long found_ = 0;
    double kilobytes_ = 0;
    std::vector<std::wstring> keptFiles_;
};

} // namespace nimbrel
