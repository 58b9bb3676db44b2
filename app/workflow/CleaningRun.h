// One cleaning run, without any window: the chosen found items of each
// category go to the engine, each trace once; each category's record learns
// how many were removed and how many kilobytes came free, and the figures
// are written for the results report.
#pragma once

#include "FoundTreeRules.h"
#include "ScanFigures.h"

#include <functional>
#include <string>
#include <vector>

namespace nimbrel {

struct CleaningOutcome {
    bool anyHandedOver = false; // nothing is written when nothing was chosen
    CleaningTotals totals;
    std::vector<std::wstring> stayed; // chosen traces the engine could not remove
    // Files in use, set to go at the next restart: readable until then, so
    // neither cleaned nor recovered.
    std::vector<std::wstring> atRestart;
    long long notReached = 0; // chosen traces left as they were when the run was stopped
};

// `records` are the scan's, one per category in category order; a category
// without a choice keeps its record. `between` runs after every item (the
// window's messages); when it returns false the run stops there, and what
// was cleaned so far is counted and written.
CleaningOutcome CleanChosenItems(const std::wstring& product, const std::vector<CategoryChoice>& choices,
                                 std::vector<CResultslist>& records, const std::function<bool()>& between);

} // namespace nimbrel
