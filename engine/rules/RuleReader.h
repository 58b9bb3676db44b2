// Reads a community rules file (sections of "Key=value" lines, one entry
// each) into rule entries. A file anyone can edit is read as far as it is
// sound: an entry with a bad, unexpandable or unsafe key is skipped whole
// and named in a note, never applied in part.
#pragma once

#include "rules/RuleEntry.h"

#include <functional>
#include <string>
#include <vector>

namespace scrub {

// The folders a variable ("AppData", without the percent signs) stands
// for; empty when it cannot be expanded. Program Files on 64-bit Windows
// stands for both of its folders.
using RuleVariables = std::function<std::vector<std::wstring>(const std::wstring& name)>;

// The machine's own variables: the shell's folders, then the environment.
RuleVariables MachineRuleVariables();

// The file's bytes as text: UTF-16 (with its byte-order mark), UTF-8 (with
// or without one), else the ANSI code page. False for bytes that are no
// text (NUL bytes without a UTF-16 mark).
bool DecodeRuleText(const std::string& bytes, std::wstring& text);

RuleSet ReadRules(const std::string& bytes, const RuleVariables& variables);

// "3,702 entries read, 13 skipped: <first notes>".
std::wstring RulesSummary(const RuleSet& rules);

} // namespace scrub
