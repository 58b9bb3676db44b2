#include "VersionCompare.h"

#include <cwctype>
#include <vector>

namespace nimbrel {

namespace {

// The leading number of every component; overlong numbers saturate rather
// than wrap, so a silly version never looks older than it is.
std::vector<unsigned long long> Components(const std::wstring& version) {
    std::vector<unsigned long long> numbers;
    size_t start = 0;
    for (;;) {
        const size_t end = version.find(L'.', start);
        const std::wstring part = version.substr(start, end == std::wstring::npos ? end : end - start);
        size_t i = 0;
        while (i < part.size() && std::iswspace(part[i])) {
            ++i;
        }
        unsigned long long value = 0;
        for (; i < part.size() && part[i] >= L'0' && part[i] <= L'9'; ++i) {
            const unsigned digit = part[i] - L'0';
            value = value > (~0ull - digit) / 10 ? ~0ull : value * 10 + digit;
        }
        numbers.push_back(value);
        if (end == std::wstring::npos) {
            return numbers;
        }
        start = end + 1;
    }
}

} // namespace

int CompareVersions(const std::wstring& a, const std::wstring& b) {
    const auto left = Components(a);
    const auto right = Components(b);
    for (size_t i = 0; i < left.size() || i < right.size(); ++i) {
        const unsigned long long x = i < left.size() ? left[i] : 0;
        const unsigned long long y = i < right.size() ? right[i] : 0;
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return 0;
}

} // namespace nimbrel
