// The Community category: the entries of the community rules file
// (winapp2.ini, CommunityRulesFile.h) whose program is found on this
// machine, served as items of the ninth category beside the table's rows.
//
// For the pages (the Options tab "Community", the scan page's node):
// - ItemsOf(ItemCategory::Community) gives them as SelectionItems, grouped
//   as the file groups them (ScanGroupOf(item).group, the groups in
//   alphabetical order, the entries of a group in the file's order); label
//   and node text are the entry's name without the trailing " *".
// - IsItemSelected / SetItemSelected store a choice like any row's (value
//   "Community: <name>"); every entry is off until the user ticks it.
//   Before ticking one, show WarningOf(item) when it is not empty.
// - ReadCount / ApplicableCount / SkippedCount and Summary() are the
//   figures of the tab ("3,702 entries read, 13 skipped: ...").
// - CScanRun runs the ticked ones in the "Community" category and hands
//   their found items to the observer like any item's; CleanChosenItems
//   removes the chosen ones and then the folders the entries' REMOVESELF
//   keys leave empty.
// - The file is read on the first of these calls, not at the program's
//   start; Reload() (and UpdateRulesFile) reads it again: every item,
//   group and text handed out before is gone then, so a page rebuilds its
//   tree from ItemsOf afterwards. UpdateRules is the menu command's (and
//   /update-rules') call; its outcome's text is for the user. All calls belong to the window's thread
//   and never to a moment a scan or cleaning run is under way.
#pragma once

#include "CommunityRulesFile.h"
#include "ItemSelection.h"

#include <string>
#include <vector>

namespace nimbrel {

class CCommunityItems {
public:
    CCommunityItems() = default;
    CCommunityItems(const CCommunityItems&) = delete;
    CCommunityItems& operator=(const CCommunityItems&) = delete;

    // Reads the rules file unless it was read already.
    void EnsureLoaded();
    // Reads the rules file in use now (RulesFileInUse) again.
    void Reload();
    bool Loaded() const { return loaded_; }

    // How an update fetches the file: the program sets the updater's
    // AuDownloadFile at its start, tests a stand-in.
    void SetDownloadFunction(RulesDownloadFunction download) { download_ = download; }
    // Fetches the newest rules file from RulesAddress and reads the items
    // again (UpdateRulesFile). Returns when the download has ended; `run`
    // runs the download (the window's keeps it painted meanwhile).
    using DownloadRunner =
        std::function<int(RulesDownloadFunction download, const wchar_t* url, const wchar_t* path)>;
    RulesUpdateOutcome UpdateRules(const std::wstring& product, const DownloadRunner& run = {}) {
        if (!download_ || !run) {
            return UpdateRulesFile(product, download_);
        }
        return UpdateRulesFile(product, [this, &run](const wchar_t* url, const wchar_t* path) {
            return run(download_, url, path);
        });
    }

    // The entries that apply on this machine, in scan order.
    const std::vector<SelectionItem>& Items();
    // The groups, one per group label of Items, in the same order.
    const std::vector<ScanGroup>& Groups();
    // The group of a Community item; null for any other item.
    const ScanGroup* GroupOf(const SelectionItem& item);
    // The text asked before the item is ticked; empty: none.
    const std::wstring& WarningOf(const SelectionItem& item);
    // The item of that name (compared without regard to case); null: none.
    const SelectionItem* Find(const std::wstring& name);

    // The file read (empty when there was none).
    const std::wstring& File();
    int ReadCount();
    int ApplicableCount();
    int SkippedCount();
    std::wstring Summary();

private:
    struct Entry {
        std::wstring name;
        std::wstring group;
        std::wstring warning;
        int ruleEntry;
    };
    struct GroupTexts {
        std::wstring label;
        std::wstring activityPrefix;
    };
    void Read();

    bool loaded_ = false;
    RulesDownloadFunction download_ = nullptr;
    std::wstring file_;
    int read_ = 0;
    int skipped_ = 0;
    std::wstring summary_;
    // Items and groups point into these; neither changes until the next Read.
    std::vector<Entry> entries_;
    std::vector<GroupTexts> groupTexts_;
    std::vector<SelectionItem> items_;
    std::vector<ScanGroup> groups_;
};

// The one set of Community items of the process: the engine too holds one
// set of rules at a time.
CCommunityItems& CommunityItems();

// The value-name prefix of the Community items' choices.
inline constexpr wchar_t kCommunityValuePrefix[] = L"Community: ";

} // namespace nimbrel
