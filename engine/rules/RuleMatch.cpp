#include "rules/RuleMatch.h"

#include "files/FilePrimitives.h"
#include "win32/Handles.h"
#include "win32/PathText.h"

#include <cwctype>

namespace scrub {
namespace {

// As Windows matches names: a pattern's closing ".*" also matches a name
// without an extension, so "*.*" is every file.
bool Match(const wchar_t* p, const wchar_t* pe, const wchar_t* s, const wchar_t* se) {
    while (p != pe) {
        if (s == se && pe - p == 2 && p[0] == L'.' && p[1] == L'*') {
            return true;
        }
        if (*p == L'*') {
            for (const wchar_t* rest = s;; ++rest) {
                if (Match(p + 1, pe, rest, se)) {
                    return true;
                }
                if (rest == se) {
                    return false;
                }
            }
        }
        if (s == se || (*p != L'?' && std::towupper(*p) != std::towupper(*s))) {
            return false;
        }
        ++p;
        ++s;
    }
    return s == se;
}

std::vector<std::wstring> Parts(const std::wstring& path) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        const size_t stop = path.find(L'\\', start);
        std::wstring part =
            path.substr(start, stop == std::wstring::npos ? std::wstring::npos : stop - start);
        if (!part.empty()) {
            parts.push_back(std::move(part));
        }
        if (stop == std::wstring::npos) {
            return parts;
        }
        start = stop + 1;
    }
}

// The folder's parts match the pattern's first parts (all of them when
// `whole`).
bool FolderMatches(const std::vector<std::wstring>& folder, const std::wstring& pattern, bool whole) {
    const std::vector<std::wstring> wanted = Parts(pattern);
    if (folder.size() < wanted.size() || (whole && folder.size() != wanted.size())) {
        return false;
    }
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (!MatchesWildcard(folder[i], wanted[i])) {
            return false;
        }
    }
    return true;
}

bool MatchesAnyOf(const std::wstring& name, const std::wstring& patterns) {
    size_t start = 0;
    for (;;) {
        const size_t stop = patterns.find(L';', start);
        if (MatchesWildcard(name, patterns.substr(start, stop == std::wstring::npos ? stop : stop - start))) {
            return true;
        }
        if (stop == std::wstring::npos) {
            return false;
        }
        start = stop + 1;
    }
}

} // namespace

bool MatchesWildcard(const std::wstring& name, const std::wstring& pattern) {
    return Match(pattern.data(), pattern.data() + pattern.size(), name.data(), name.data() + name.size());
}

bool HasWildcard(const std::wstring& text) {
    return text.find_first_of(L"*?") != std::wstring::npos;
}

std::vector<std::wstring> ResolveRulePath(const std::wstring& path, bool foldersOnly) {
    const std::vector<std::wstring> parts = Parts(path);
    if (parts.empty() || HasWildcard(parts[0])) {
        return {};
    }
    std::vector<std::wstring> current = {parts[0]};
    for (size_t i = 1; i < parts.size() && !current.empty(); ++i) {
        const bool last = i + 1 == parts.size();
        std::vector<std::wstring> next;
        for (const std::wstring& folder : current) {
            if (!HasWildcard(parts[i])) {
                next.push_back(folder + L"\\" + parts[i]);
                continue;
            }
            WIN32_FIND_DATAW entry;
            win32::UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry));
            if (!find) {
                continue;
            }
            do {
                const bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
                if (IsDotEntry(entry.cFileName) || IsLinkedFolder(entry.dwFileAttributes) ||
                    ((!last || foldersOnly) && !isFolder) || !MatchesWildcard(entry.cFileName, parts[i])) {
                    continue;
                }
                next.push_back(folder + L"\\" + entry.cFileName);
            } while (FindNextFileW(find.Get(), &entry));
        }
        current = std::move(next);
    }
    std::vector<std::wstring> found;
    for (std::wstring& candidate : current) {
        if (parts.size() == 1) {
            candidate += L"\\";
        }
        const DWORD attributes = GetFileAttributesW(candidate.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            continue;
        }
        if (foldersOnly && !IsPlainFolder(candidate)) {
            continue;
        }
        found.push_back(std::move(candidate));
    }
    return found;
}

bool ExcludedFile(const std::vector<RuleExclusion>& exclusions, const std::wstring& path) {
    const size_t cut = path.rfind(L'\\');
    if (cut == std::wstring::npos) {
        return false;
    }
    const std::wstring name = path.substr(cut + 1);
    const std::vector<std::wstring> folder = Parts(path.substr(0, cut));
    for (const RuleExclusion& exclusion : exclusions) {
        if (exclusion.kind == RuleExclusion::Kind::Registry) {
            continue;
        }
        const bool whole = exclusion.kind == RuleExclusion::Kind::File;
        if (FolderMatches(folder, exclusion.folder, whole) &&
            (exclusion.pattern.empty() || MatchesAnyOf(name, exclusion.pattern))) {
            return true;
        }
    }
    return false;
}

} // namespace scrub
