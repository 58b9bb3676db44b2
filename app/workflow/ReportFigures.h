// The results report's table as text, read back from the settings store:
// per category what the last scan found and the last cleaning recovered,
// and a TOTAL row. The report keeps no figures of its own.
#pragma once

#include "ItemSelection.h"

#include <array>
#include <string>
#include <vector>

namespace nimbrel {

enum ReportColumn { kItemName, kFilesFound, kFilesCleaned, kSpaceFound, kSpaceRecovered, kReportColumns };
inline constexpr int kReportRows = kCategoryCount + 1; // the categories and TOTAL

using ReportTable = std::array<std::array<std::wstring, kReportColumns>, kReportRows>;

// What the figures mean depends on this run of the program: whether a scan
// has run since it started and whether its last cleaning run handed anything
// to the engine.
struct ScanSession {
    bool scanStarted = false;
    bool cleanedAny = false;
    // What the last cleaning run could only set to go at the next restart.
    std::vector<std::wstring> atRestart;
};

// "M item(s) go at the next restart: ..." naming at most `named` of them,
// or nothing when there are none.
std::wstring AtRestartText(const std::vector<std::wstring>& atRestart, size_t named);

ReportTable LoadReportFigures(const std::wstring& product, const ScanSession& session);

// Empties every found and cleaned figure of the categories and the found
// totals ("tts", "ttf"); the cleaned totals stay.
void ResetStatistics(const std::wstring& product);

} // namespace nimbrel
