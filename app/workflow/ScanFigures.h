// The figures a scan and a cleaning run leave in the settings store for the
// results report: per category the files found and their kilobytes, the
// files cleaned and the kilobytes recovered, and the totals. All of them are
// text: counts as decimal integers, kilobytes with two decimals, and "--"
// for a category that took no part.
#pragma once

#include "ItemSelection.h"

#include <string>
#include <vector>

namespace nimbrel {

// One category's result record of a scan run; the cleaning run fills it in.
struct CResultslist {
    long long cleanedCount = -1; // found items of the category removed; -1: not cleaned
    double cleanedSize = 0;      // kilobytes recovered in the category
};

// A category that took no part.
inline constexpr wchar_t kNoFigure[] = L"--";

std::wstring CountText(long long count);
std::wstring KilobytesText(double kilobytes);
// The engine's size text as kilobytes; a text that is not a number is 0.
double ParseKilobytes(const char* text);
// The engine's size total now, in kilobytes.
double EngineKilobytes();

enum class Figure { FilesFound, SpaceFound, FilesCleaned, SpaceRecovered };
// The settings value of a category's figure ("fwnd", "swnd", "fiwnd", "scwnd"...).
std::wstring FigureValueName(ItemCategory category, Figure figure);

// The two summary values of a completed scan: the space it can recover
// ("unknown" when that rounds to nothing although files were found) and
// the number of files.
std::wstring RecoverableSpaceText(double kilobytes);
std::wstring JunkFilesText(unsigned long long count);

// What a cleaning run did, over every category it walked.
struct CleaningTotals {
    long long cleaned = 0;   // found items removed
    long long failed = 0;    // found items handed over that stayed
    double kilobytes = 0;    // recovered
    long long atRestart = 0; // found items that go at the next restart (neither cleaned nor failed)
};

// Writes the cleaning run's figures: each category's files cleaned and
// space recovered ("--" for a category the scan had no node for), "ttr",
// "ttc", "cleaned" and "showerrs" (found items not cleaned: left unticked
// or not removable). Returns the totals written.
CleaningTotals WriteCleaningFigures(const std::wstring& product, const std::vector<CResultslist>& records,
                                    long long failed);

} // namespace nimbrel
