// Names and paths as the rules file writes them: "*" any run of
// characters, "?" one character, letter case ignored. In a path a wildcard
// never crosses a backslash.
#pragma once

#include "rules/RuleEntry.h"

#include <string>
#include <vector>

namespace scrub {

bool MatchesWildcard(const std::wstring& name, const std::wstring& pattern);
bool HasWildcard(const std::wstring& text);

// The existing entries a path with wildcards names, in listing order; linked
// folders are never entered. `foldersOnly`: the last part must be a folder
// (no link) too.
std::vector<std::wstring> ResolveRulePath(const std::wstring& path, bool foldersOnly);

// Whether an entry's exclusions keep the file.
bool ExcludedFile(const std::vector<RuleExclusion>& exclusions, const std::wstring& path);

} // namespace scrub
