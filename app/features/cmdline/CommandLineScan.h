// The scan run's observer on the command line: it prints every found item
// as the engine reports it, one a line under its category's heading, and
// keeps what a cleaning run then takes.
#pragma once

#include "CommandOutput.h"
#include "FoundTreeRules.h"
#include "ScanRun.h"

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace nimbrel {

class CPrintingScanObserver : public IScanObserver {
public:
    explicit CPrintingScanObserver(CCommandOutput& output) : output_(output) {}
    // Runs whenever the engine lets the host look at its messages.
    void SetBetweenEntries(std::function<void()> between) { between_ = std::move(between); }

    // Every found item, once, under the category that found it first; only
    // categories that found something, as in the window's tree.
    const std::vector<CategoryChoice>& FoundItems() const { return found_; }
    // The scan's records, one per category, for the cleaning run to fill.
    std::vector<CResultslist>& Records() { return records_; }

    void CategoryStarted(ItemCategory category) override;
    void GroupStarted(const ScanGroup&) override {}
    void GroupEnded(const ScanGroup&) override {}
    void ItemStarted(const SelectionItem& item) override;
    void FoundItem(const std::wstring& text, unsigned long long count) override;
    void ItemEnded(const SelectionItem&) override {}
    void CategoryEnded(ItemCategory category, const CResultslist& record) override;
    void ProcessMessages() override;

private:
    CCommandOutput& output_;
    std::function<void()> between_;
    ItemCategory category_ = ItemCategory::Windows;
    bool categoryHasFound_ = false;
    const SelectionItem* item_ = nullptr;
    bool itemHasFound_ = false;
    std::vector<CategoryChoice> found_;
    std::unordered_set<std::wstring> taken_;
    std::vector<CResultslist> records_;
};

} // namespace nimbrel
