#include "CleaningRun.h"

#include "CommunityItems.h"
#include "DatabaseSettings.h"
#include "ItemSelection.h"
#include "scrubcore/CommunityRules.h"
#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "scrubcore/Scrubcore.h"

namespace nimbrel {

namespace {

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

// After a Community entry's chosen files went: the folders its REMOVESELF
// keys name, when they are left empty.
void RemoveEmptiedFolders(const CategoryChoice& choice) {
    for (const std::wstring& node : choice.itemNodes) {
        if (const SelectionItem* item = CommunityItems().Find(node)) {
            Scrubcore_RuleRemoveEmptied(item->ruleEntry);
        }
    }
}

} // namespace

CleaningOutcome CleanChosenItems(const std::wstring& product, const std::vector<CategoryChoice>& choices,
                                 std::vector<CResultslist>& records, const std::function<bool()>& between) {
    CleaningOutcome outcome;
    WriteLog(L"Cleaning started");
    // A scan the user stopped leaves the engine's stop request set; it must
    // not cut the cleaning short.
    Privacy_StopScan(0);
    Privacy_ClearFilesSize();
    // The options may have changed since the scan.
    HandDatabaseSettingsToEngine(product);
    for (int category = 0; category < kCategoryCount; ++category) {
        SetString(product, FigureValueName(static_cast<ItemCategory>(category), Figure::FilesCleaned), L"");
    }
    bool stopped = false;
    for (const CategoryChoice& choice : choices) {
        if (stopped) {
            outcome.notReached += static_cast<long long>(choice.foundItems.size());
            continue;
        }
        // The engine's size total only grows while cleaning: what a category
        // recovered is how much it grew meanwhile.
        const double sizeAtStart = EngineKilobytes();
        long long removed = 0;
        for (size_t i = 0; i < choice.foundItems.size(); ++i) {
            if (stopped) {
                outcome.notReached += static_cast<long long>(choice.foundItems.size() - i);
                break;
            }
            outcome.anyHandedOver = true;
            switch (Privacy_CleanSelitems(choice.foundItems[i].c_str())) {
            case 1:
                ++removed;
                break;
            case 2:
                outcome.atRestart.push_back(choice.foundItems[i]);
                break;
            default:
                outcome.stayed.push_back(choice.foundItems[i]);
                break;
            }
            stopped = between && !between();
        }
        const int index = CategoryIndexOf(choice.categoryText);
        if (index == static_cast<int>(ItemCategory::Community)) {
            RemoveEmptiedFolders(choice);
        }
        if (index >= 0 && static_cast<size_t>(index) < records.size()) {
            CResultslist& record = records[static_cast<size_t>(index)];
            record.cleanedCount = removed;
            record.cleanedSize = EngineKilobytes() - sizeAtStart;
        }
    }
    if (stopped) {
        WriteLog(L"Cleaning stopped");
    }
    if (outcome.anyHandedOver) {
        // What stayed and what the run did not reach are both left uncleaned.
        outcome.totals = WriteCleaningFigures(
            product, records, static_cast<long long>(outcome.stayed.size()) + outcome.notReached);
        outcome.totals.atRestart = static_cast<long long>(outcome.atRestart.size());
    }
    return outcome;
}

} // namespace nimbrel
