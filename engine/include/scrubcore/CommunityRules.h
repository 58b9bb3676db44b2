// Community cleaning rules: the entries of a rules file (sections of
// FileKey/RegKey/ExcludeKey lines), each run as one cleaning item through
// the same walkers and the same safety as the built-in items.
#pragma once

#include "scrubcore/Scrubcore.h"

// Reads the rules file in place of the rules read before: the number of
// entries read (0 also when the file cannot be read or is no text).
SCRUBCORE_API int Scrubcore_LoadRules(const wchar_t* path);
SCRUBCORE_API int Scrubcore_RulesCount(void);
SCRUBCORE_API int Scrubcore_RulesSkipped(void);

#define SCRUBCORE_RULE_NAME 0     // the entry's name, without the trailing " *"
#define SCRUBCORE_RULE_GROUP 1    // the group the file puts it in
#define SCRUBCORE_RULE_WARNING 2  // asked before it is ticked; empty: none
#define SCRUBCORE_RULES_SUMMARY 3 // "3,702 entries read, 13 skipped: ..." (entry ignored)
// Copies one text into the buffer (cut to fit, always terminated when the
// capacity is not 0); returns the length it needs, terminator included, or
// 0 for an entry or kind that does not exist.
SCRUBCORE_API int Scrubcore_RuleText(int entry, int kind, wchar_t* buffer, int capacity);
// 1 when the entry applies on this machine (its program is found), else 0.
SCRUBCORE_API int Scrubcore_RuleDetected(int entry);
// Runs the entry as an item export does, in the mode Privacy_CheckDelete
// set; always 1.
SCRUBCORE_API int Scrubcore_RunRule(int entry);
// After the host cleaned the entry's chosen found items one by one: the
// folders its REMOVESELF keys name go when they are left empty. Always 1.
SCRUBCORE_API int Scrubcore_RuleRemoveEmptied(int entry);
