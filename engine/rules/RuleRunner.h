// Runs one community rule through the engine's walkers, in the mode the host
// set: report-only scans change nothing, delete mode removes what the
// entry names less what it excludes.
#pragma once

#include "rules/RuleEntry.h"

namespace scrub {

// Whether the entry applies on this machine: its Windows version bounds
// hold, and one of its keys or files exists (or it names none).
bool RuleDetected(const RuleEntry& entry);

void RunRule(const RuleEntry& entry);

// After the chosen files of an entry are cleaned one by one: the folders
// its REMOVESELF keys name, when emptied, go with their empty subfolders
// (never a system folder).
void RemoveEmptiedRuleFolders(const RuleEntry& entry);

} // namespace scrub
