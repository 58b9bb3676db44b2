// Name patterns that single out an application's traces among the files of
// its folder or the values of its key ("*.rwz", "LastFile#").
#pragma once

#include <string>

namespace scrub {

// Whether the name matches one of the patterns, ignoring case. Patterns are
// separated by ";"; in a pattern "*" stands for any run of characters and
// "#" for one or more decimal digits. A null pattern list matches nothing.
bool MatchesNamePattern(const std::wstring& name, const wchar_t* patterns);

// The same for a file below a walked folder, given by its path below that
// folder ("sub\name.ext"): a pattern with a backslash is matched against that
// path, any other against the file's name.
bool MatchesFilePattern(const std::wstring& pathBelow, const wchar_t* patterns);

} // namespace scrub
