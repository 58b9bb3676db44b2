// The text a run without the window prints: every line ends in CR LF, found
// items stand one a line behind a TAB under their category's heading (the
// text after the TAB is the trace as the engine reported it, its control
// characters escaped so that every found item keeps to its line), and
// the summary is the results report's table in plain columns.
#pragma once

#include "CleaningRun.h"
#include "ItemSelection.h"
#include "ReportFigures.h"

#include <string>

namespace nimbrel {

// The category's name as its tab on the Options page shows it.
std::wstring CategoryHeading(ItemCategory category);
std::wstring FoundItemLine(const std::wstring& foundItemText);

// One line per item in the options' order: "1" (a scan runs it) or "0", a
// TAB, the item's selection name; the Community items that apply here last
// ("Community: <entry name>").
std::wstring SelectionListText(const std::wstring& product);

// What a cleaning run removed and, one a line, what stayed.
std::wstring CleaningText(const CleaningOutcome& outcome);

// The report's table: the found columns, and the cleaned ones after a
// cleaning run. Numbers are right-aligned under their headings.
std::wstring SummaryText(const ReportTable& table, bool withCleaning);

} // namespace nimbrel
