#include "core/NamePattern.h"

#include <windows.h>

#include <algorithm>

namespace scrub {
namespace {

wchar_t Upper(wchar_t c) {
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(c))));
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// One pattern [p, pe) against the whole of [s, se).
bool Matches(const wchar_t* p, const wchar_t* pe, const wchar_t* s, const wchar_t* se) {
    while (p != pe) {
        if (*p == L'*') {
            for (const wchar_t* rest = s;; ++rest) {
                if (Matches(p + 1, pe, rest, se)) {
                    return true;
                }
                if (rest == se) {
                    return false;
                }
            }
        }
        if (*p == L'#') {
            for (const wchar_t* rest = s; rest != se && IsDigit(*rest);) {
                ++rest;
                if (Matches(p + 1, pe, rest, se)) {
                    return true;
                }
            }
            return false;
        }
        if (s == se || Upper(*p) != Upper(*s)) {
            return false;
        }
        ++p;
        ++s;
    }
    return s == se;
}

// Calls `matches(begin, end)` for each pattern of the list until one holds.
template <class Test> bool AnyPattern(const wchar_t* patterns, Test matches) {
    if (!patterns) {
        return false;
    }
    for (const wchar_t* p = patterns;;) {
        const wchar_t* stop = p;
        while (*stop && *stop != L';') {
            ++stop;
        }
        if (matches(p, stop)) {
            return true;
        }
        if (!*stop) {
            return false;
        }
        p = stop + 1;
    }
}

} // namespace

bool MatchesNamePattern(const std::wstring& name, const wchar_t* patterns) {
    const wchar_t* begin = name.data();
    const wchar_t* end = begin + name.size();
    return AnyPattern(patterns,
                      [&](const wchar_t* p, const wchar_t* pe) { return Matches(p, pe, begin, end); });
}

bool MatchesFilePattern(const std::wstring& pathBelow, const wchar_t* patterns) {
    const wchar_t* begin = pathBelow.data();
    const wchar_t* end = begin + pathBelow.size();
    const size_t lastBackslash = pathBelow.rfind(L'\\');
    const wchar_t* name = lastBackslash == std::wstring::npos ? begin : begin + lastBackslash + 1;
    return AnyPattern(patterns, [&](const wchar_t* p, const wchar_t* pe) {
        const bool wholePath = std::find(p, pe, L'\\') != pe;
        return Matches(p, pe, wholePath ? begin : name, end);
    });
}

} // namespace scrub
