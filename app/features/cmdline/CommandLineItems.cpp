#include "CommandLineItems.h"

#include <windows.h>

namespace nimbrel {

namespace {

bool SameLetter(wchar_t a, wchar_t b) {
    return CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
}

} // namespace

bool NameMatches(const std::wstring& pattern, const std::wstring& name) {
    // Greedy with one way back: the text after the last "*" seen may start
    // later in the name.
    size_t p = 0;
    size_t n = 0;
    size_t star = std::wstring::npos;
    size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && SameLetter(pattern[p], name[n])) {
            ++p;
            ++n;
        } else if (star != std::wstring::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') {
        ++p;
    }
    return p == pattern.size();
}

NamedItems ItemsNamed(const std::vector<std::wstring>& patterns) {
    std::vector<const SelectionItem*> all;
    for (int category = 0; category < kCategoryCount; ++category) {
        for (const SelectionItem* item : ItemsOf(static_cast<ItemCategory>(category))) {
            all.push_back(item);
        }
    }
    std::vector<bool> taken(all.size(), false);
    NamedItems named;
    for (const std::wstring& pattern : patterns) {
        bool matched = false;
        for (size_t i = 0; i < all.size(); ++i) {
            if (NameMatches(pattern, SelectionValueName(*all[i]))) {
                matched = taken[i] = true;
            }
        }
        if (!matched) {
            named.error = L"No item is named \"" + pattern + L"\". /list prints the names of the items.";
            return named;
        }
    }
    for (size_t i = 0; i < all.size(); ++i) {
        if (taken[i]) {
            named.items.push_back(all[i]);
        }
    }
    return named;
}

} // namespace nimbrel
