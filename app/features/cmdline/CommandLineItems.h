// The items a command line names: each name as /list prints it, "*"
// standing for any text (none too), compared without regard to case as
// the options' value names are.
#pragma once

#include "ItemSelection.h"

#include <string>
#include <vector>

namespace nimbrel {

bool NameMatches(const std::wstring& pattern, const std::wstring& name);

struct NamedItems {
    std::vector<const SelectionItem*> items; // in scan order, each once
    std::wstring error;                      // for the user; empty: every name matched an item
};

// The built-in items and the Community items that apply here.
NamedItems ItemsNamed(const std::vector<std::wstring>& patterns);

} // namespace nimbrel
