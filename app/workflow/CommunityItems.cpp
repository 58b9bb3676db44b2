#include "CommunityItems.h"

#include "CommunityRulesFile.h"
#include "NimbrelControlApp.h"
#include "scrubcore/CommunityRules.h"
#include "win32/Text.h"

#include <windows.h>

#include <algorithm>

namespace nimbrel {

namespace {

std::wstring RuleText(int entry, int kind) {
    std::wstring text(256, L'\0');
    int needed = Scrubcore_RuleText(entry, kind, text.data(), static_cast<int>(text.size()));
    if (needed > static_cast<int>(text.size())) {
        text.assign(static_cast<size_t>(needed), L'\0');
        needed = Scrubcore_RuleText(entry, kind, text.data(), static_cast<int>(text.size()));
    }
    text.resize(needed > 0 ? static_cast<size_t>(needed - 1) : 0);
    return text;
}

bool GroupsBefore(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
}

} // namespace

CCommunityItems& CommunityItems() {
    static CCommunityItems items;
    return items;
}

void CCommunityItems::EnsureLoaded() {
    if (!loaded_) {
        Read();
    }
}

void CCommunityItems::Reload() {
    Read();
}

void CCommunityItems::Read() {
    loaded_ = true;
    items_.clear();
    groups_.clear();
    entries_.clear();
    groupTexts_.clear();
    file_ = RulesFileInUse();
    if (file_.empty()) {
        read_ = skipped_ = 0;
        summary_ = L"No rules file";
        WriteLog(L"Community rules: no " + std::wstring(kRulesFileName));
        return;
    }
    Scrubcore_LoadRules(file_.c_str());
    read_ = Scrubcore_RulesCount();
    skipped_ = Scrubcore_RulesSkipped();
    summary_ = RuleText(0, SCRUBCORE_RULES_SUMMARY);
    WriteLog(L"Community rules " + file_ + L": " + summary_);
    for (int entry = 0; entry < read_; ++entry) {
        if (Scrubcore_RuleDetected(entry)) {
            entries_.push_back({RuleText(entry, SCRUBCORE_RULE_NAME), RuleText(entry, SCRUBCORE_RULE_GROUP),
                                RuleText(entry, SCRUBCORE_RULE_WARNING), entry});
        }
    }
    // A group's entries stand together, as a tree shows them.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return GroupsBefore(a.group, b.group); });
    for (const Entry& entry : entries_) {
        if (groupTexts_.empty() || !win32::EqualsNoCase(groupTexts_.back().label, entry.group)) {
            groupTexts_.push_back({entry.group, L"Currently Scanning: Community - " + entry.group});
        }
    }
    // Both vectors are complete: the pointers below stay valid until the next Read.
    for (const GroupTexts& group : groupTexts_) {
        groups_.push_back({ItemCategory::Community, group.label.c_str(), group.label.c_str(),
                           group.activityPrefix.c_str()});
    }
    for (const Entry& entry : entries_) {
        SelectionItem item{ItemCategory::Community, entry.group.c_str(), entry.name.c_str(), false, nullptr,
                           entry.name.c_str()};
        item.ruleEntry = entry.ruleEntry;
        items_.push_back(item);
    }
}

const std::vector<SelectionItem>& CCommunityItems::Items() {
    EnsureLoaded();
    return items_;
}

const std::vector<ScanGroup>& CCommunityItems::Groups() {
    EnsureLoaded();
    return groups_;
}

const ScanGroup* CCommunityItems::GroupOf(const SelectionItem& item) {
    EnsureLoaded();
    for (const ScanGroup& group : groups_) {
        if (item.category == ItemCategory::Community && win32::EqualsNoCase(group.group, item.group)) {
            return &group;
        }
    }
    return nullptr;
}

const std::wstring& CCommunityItems::WarningOf(const SelectionItem& item) {
    static const std::wstring none;
    EnsureLoaded();
    if (&item < items_.data() || &item >= items_.data() + items_.size()) {
        return none;
    }
    return entries_[static_cast<size_t>(&item - items_.data())].warning;
}

const SelectionItem* CCommunityItems::Find(const std::wstring& name) {
    EnsureLoaded();
    for (const SelectionItem& item : items_) {
        if (win32::EqualsNoCase(item.label, name)) {
            return &item;
        }
    }
    return nullptr;
}

const std::wstring& CCommunityItems::File() {
    EnsureLoaded();
    return file_;
}

int CCommunityItems::ReadCount() {
    EnsureLoaded();
    return read_;
}

int CCommunityItems::ApplicableCount() {
    EnsureLoaded();
    return static_cast<int>(items_.size());
}

int CCommunityItems::SkippedCount() {
    EnsureLoaded();
    return skipped_;
}

std::wstring CCommunityItems::Summary() {
    EnsureLoaded();
    return summary_;
}

} // namespace nimbrel
