#include "CommandLineScan.h"

#include "CommandLineText.h"

namespace nimbrel {

void CPrintingScanObserver::CategoryStarted(ItemCategory category) {
    category_ = category;
    categoryHasFound_ = false;
}

void CPrintingScanObserver::ItemStarted(const SelectionItem& item) {
    item_ = &item;
    itemHasFound_ = false;
}

void CPrintingScanObserver::FoundItem(const std::wstring& text, unsigned long long) {
    if (!categoryHasFound_) {
        categoryHasFound_ = true;
        output_.Print(CategoryHeading(category_));
        found_.push_back({LabelsOf(category_).scanNode, {}, {}});
    }
    output_.Print(FoundItemLine(text));
    // A trace is handed to the engine once, however often it was reported;
    // Windows compares paths and registry names without regard to case.
    std::wstring key = text;
    CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    if (taken_.insert(std::move(key)).second) {
        found_.back().foundItems.push_back(text);
        if (!itemHasFound_ && item_) {
            itemHasFound_ = true;
            found_.back().itemNodes.push_back(item_->nodeText);
        }
    }
}

void CPrintingScanObserver::ProcessMessages() {
    output_.FlushIfDue();
    if (between_) {
        between_();
    }
}

void CPrintingScanObserver::CategoryEnded(ItemCategory, const CResultslist& record) {
    records_.push_back(record);
    output_.FlushIfDue();
}

} // namespace nimbrel
